#pragma once

#include <string>

// `ofxdef check`: parses the definition in `inputPath` with the plug-in's own
// parser. On success writes the JSON summary to `outputPath` (standard output
// when empty) and returns 0; on failure writes the error, with line and column
// for XML syntax errors, to standard error and returns 1.
int checkDefinition(const std::string& inputPath, const std::string& outputPath);
