#pragma once

#include <stdexcept>
#include <string>

#include "ofx/api/ofx_core.h"

namespace ofxhost {

// Why the host cannot go on: a bundle it cannot use, or a host-side misuse of
// its own objects. The message names the cause for people.
class HostError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A plug-in answered an action with a status the host cannot accept.
class ActionError : public HostError {
  public:
    ActionError(const std::string& message, OfxStatus status)
        : HostError(message), _status(status) {}

    OfxStatus status() const { return _status; }

  private:
    OfxStatus _status;
};

}  // namespace ofxhost
