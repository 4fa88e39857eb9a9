#pragma once

#include "ofx/api/ofx_memory.h"

namespace ofxhost {

// The host's memory suite: blocks aligned for any use; freeing a pointer the
// suite did not hand out is kOfxStatErrBadHandle, not a crash.
const OfxMemorySuiteV1* memorySuite();

}  // namespace ofxhost
