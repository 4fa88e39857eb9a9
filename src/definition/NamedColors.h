#pragma once

#include <array>
#include <map>
#include <string>

// The colour names that overlay definitions accept, lower case, with their
// RGB components (0 to 1). Built on first use and kept for the process's life.
const std::map<std::string, std::array<float, 3>>& namedColors();
