#include "ofx/support/BooleanParamDescriptor.h"

#include <utility>

#include "ofx/api/ofx_param.h"

namespace OFX {

BooleanParamDescriptor::BooleanParamDescriptor(std::string name, OfxPropertySetHandle properties)
    : ParamDescriptor(std::move(name), TYPE, properties) {}

void BooleanParamDescriptor::setDefault(bool value) {
    getPropertySet().setInt(kOfxParamPropDefault, value ? 1 : 0);
}

}  // namespace OFX
