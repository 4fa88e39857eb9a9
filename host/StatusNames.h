#pragma once

#include <string>

#include "ofx/api/ofx_core.h"

namespace ofxhost {

// The constant name of a status ("kOfxStatFailed"), or "unknown status N" for a
// value outside the standard set.
std::string statusName(OfxStatus status);

}  // namespace ofxhost
