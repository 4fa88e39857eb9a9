#pragma once

#include "ofx/api/ofx_draw.h"

namespace ofxhost {

// The host's draw suite: validates each call and records it on its
// DrawContext; calls outside a Draw action fail with kOfxStatFailed.
const OfxDrawSuiteV1* drawSuite();

}  // namespace ofxhost
