#pragma once

#include "ofx/api/ofx_message.h"

namespace ofxhost {

// The host's message suite; one table serves versions 1 and 2. Messages go to
// the MessageLog of the effect's host (the standard error stream only, for a
// message without an effect). This host is not interactive: questions cannot
// be asked and fail.
const OfxMessageSuiteV2* messageSuite();

}  // namespace ofxhost
