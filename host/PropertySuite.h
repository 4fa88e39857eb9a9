#pragma once

#include "ofx/api/ofx_property.h"

namespace ofxhost {

// The host's property suite, working on PropertySet objects. Strings handed
// out stay valid until the property is next changed.
const OfxPropertySuiteV1* propertySuite();

}  // namespace ofxhost
