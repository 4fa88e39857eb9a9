#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "HostOptions.h"

namespace ofxhost {

// One user action on the instance, in command-line order.
struct InstanceAction {
    enum class Kind { Set, Press };
    Kind kind = Kind::Set;
    std::string name;
    // The value text of a Set.
    std::string value;
};

// What `ofxhost params` and `ofxhost identity` were asked for.
struct InstanceRequest {
    std::string bundle;
    double time = 0.0;
    std::vector<InstanceAction> actions;
    HostOptions options;
};

// "NAME=VALUE" as a Set action; throws HostError without the '='.
InstanceAction parseSetAction(const std::string& text);

// Both load and describe the bundle, create one instance (in the first
// context both sides support) and apply the actions in order, each as a user's
// edit reported to the plug-in, then destroy the instance and unload.
//
// runParams first asks whether the instance is an identity at the time, as a
// host does before it shows a frame, and prints every parameter's value after
// the actions. runIdentity asks after the actions and prints the answer.
// Each returns the exit status: 0, or 1 after a message on `err`.
int runParams(const InstanceRequest& request, std::ostream& out, std::ostream& err);
int runIdentity(const InstanceRequest& request, std::ostream& out, std::ostream& err);

}  // namespace ofxhost
