#pragma once

#include "ofx/api/ofx_interact.h"

namespace ofxhost {

// The host's interact suite. Overlays have no buffers of their own here, so
// swapping is accepted and does nothing; redraw requests are counted.
const OfxInteractSuiteV1* interactSuite();

}  // namespace ofxhost
