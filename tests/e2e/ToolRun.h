#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

// One run of the ofxhost tool in its own process, as a user runs it, with
// HOME pointing at `home`. A child process leaves the plug-in's log complete.
struct ToolRun {
    int status = -1;
    nlohmann::json output;  // null when stdout is no JSON
    std::string errors;     // what the tool wrote to stderr
};

ToolRun runTool(const std::vector<std::string>& arguments, const std::string& home);
