#include "ofx/support/Param.h"

#include <utility>

namespace OFX {

Param::Param(OfxParamHandle handle, std::string name, OfxPropertySetHandle properties)
    : _handle(handle), _name(std::move(name)), _properties(properties) {}

void Param::setIsSecret(bool secret) {
    _properties.setInt(kOfxParamPropSecret, secret ? 1 : 0);
}

}  // namespace OFX
