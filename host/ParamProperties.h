#pragma once

#include <string>

#include "ParamTypeInfo.h"
#include "PropertySet.h"

namespace ofxhost {

// Defines on `set` every property a parameter descriptor of this type has,
// with its default, so that a plug-in can set them during describe.
void defineParamProperties(PropertySet& set, const ParamTypeInfo& type, const std::string& name);

}  // namespace ofxhost
