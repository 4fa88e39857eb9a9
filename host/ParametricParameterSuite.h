#pragma once

#include "ofx/api/ofx_parametric_param.h"

namespace ofxhost {

// The host's parametric parameter suite. Control points set on a descriptor
// define the default curves of its instances; curves do not animate. With
// HostOptions::curveDefinitionStatus set, adding or setting points is refused
// with that status.
const OfxParametricParameterSuiteV1* parametricParameterSuite();

}  // namespace ofxhost
