#pragma once

#include "ofx/api/ofx_multithread.h"

namespace ofxhost {

// The host's multi-thread suite on real threads: multiThread starts the
// threads asked for and returns when all have finished; calling it from one of
// its own threads is refused with kOfxStatErrExists.
const OfxMultiThreadSuiteV1* multiThreadSuite();

}  // namespace ofxhost
