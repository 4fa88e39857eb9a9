#include "ofx/support/StringParamDescriptor.h"

#include <utility>

#include "ofx/api/ofx_param.h"

namespace OFX {

StringParamDescriptor::StringParamDescriptor(std::string name, OfxPropertySetHandle properties)
    : ParamDescriptor(std::move(name), TYPE, properties) {}

void StringParamDescriptor::setDefault(const std::string& value) {
    getPropertySet().setString(kOfxParamPropDefault, value);
}

void StringParamDescriptor::setStringMode(const std::string& mode) {
    getPropertySet().setString(kOfxParamPropStringMode, mode);
}

void StringParamDescriptor::setFilePathExists(bool mustExist) {
    getPropertySet().setInt(kOfxParamPropStringFilePathExists, mustExist ? 1 : 0);
}

}  // namespace OFX
