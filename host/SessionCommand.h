#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "HostOptions.h"
#include "HostSession.h"

namespace ofxhost {

// What an ofxhost command does with its session; it returns the JSON to print
// and may add warnings of its own to those of the session.
using SessionSteps =
    std::function<nlohmann::json(HostSession& session, std::vector<std::string>& warnings)>;

// Runs `steps` on a fresh session and prints their JSON on `out`. Warnings go
// to `err` first, also when a step fails; a failure then follows as
// "error: ..." Returns the process exit status: 0, or 1 after a failure.
int runSessionCommand(const HostOptions& options, std::ostream& out, std::ostream& err,
                      const SessionSteps& steps);

}  // namespace ofxhost
