#pragma once

#include <string>

// `text` with A-Z turned into a-z and every other byte kept: names and
// keywords compare the same whatever locale the host process runs under.
std::string asciiLower(std::string text);
