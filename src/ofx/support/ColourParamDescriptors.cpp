#include "ofx/support/ColourParamDescriptors.h"

#include <utility>

#include "ofx/api/ofx_param.h"

namespace OFX {

RGBParamDescriptor::RGBParamDescriptor(std::string name, OfxPropertySetHandle properties)
    : ParamDescriptor(std::move(name), TYPE, properties) {}

void RGBParamDescriptor::setDefault(double red, double green, double blue) {
    getPropertySet().setDouble(kOfxParamPropDefault, red, 0);
    getPropertySet().setDouble(kOfxParamPropDefault, green, 1);
    getPropertySet().setDouble(kOfxParamPropDefault, blue, 2);
}

RGBAParamDescriptor::RGBAParamDescriptor(std::string name, OfxPropertySetHandle properties)
    : ParamDescriptor(std::move(name), TYPE, properties) {}

void RGBAParamDescriptor::setDefault(double red, double green, double blue, double alpha) {
    getPropertySet().setDouble(kOfxParamPropDefault, red, 0);
    getPropertySet().setDouble(kOfxParamPropDefault, green, 1);
    getPropertySet().setDouble(kOfxParamPropDefault, blue, 2);
    getPropertySet().setDouble(kOfxParamPropDefault, alpha, 3);
}

}  // namespace OFX
