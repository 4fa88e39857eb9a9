#pragma once

#include <string>

// Replaces the file at `path` with `contents` through a temporary file in the
// same directory that is renamed over the target, so readers see either the
// old file or the complete new one, never a truncated mix. On failure the
// temporary file is removed, the target is untouched and `error` says why.
bool writeFileAtomically(const std::string& path, const std::string& contents, std::string& error);
