#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "HostOptions.h"

namespace ofxhost {

// What `ofxhost describe` was asked for.
struct DescribeRequest {
    std::string bundle;
    // Short context name ("filter", "general"); none: every context the
    // plug-in and the host share.
    std::optional<std::string> context;
    HostOptions options;
};

// Loads the bundle, describes it, creates and destroys one instance per
// context, unloads it and writes the description as JSON to `out`. Returns
// the process exit status: 0, or 1 after a message on `err` naming the cause
// (and the status, when an action failed). Warnings also go to `err`.
int runDescribe(const DescribeRequest& request, std::ostream& out, std::ostream& err);

}  // namespace ofxhost
