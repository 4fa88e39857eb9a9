#pragma once

#include "ofx/api/ofx_param.h"

namespace ofxhost {

// The host's parameter suite over ParamSet and Param objects. Parameters do
// not animate on this host: a value is the same at every time, there are no
// keys, and set-at-time sets the value.
const OfxParameterSuiteV1* parameterSuite();

}  // namespace ofxhost
