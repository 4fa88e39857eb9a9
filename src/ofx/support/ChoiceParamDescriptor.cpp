#include "ofx/support/ChoiceParamDescriptor.h"

#include <utility>

#include "ofx/api/ofx_param.h"

namespace OFX {

ChoiceParamDescriptor::ChoiceParamDescriptor(std::string name, OfxPropertySetHandle properties)
    : ParamDescriptor(std::move(name), TYPE, properties) {}

void ChoiceParamDescriptor::appendOption(const std::string& text) {
    getPropertySet().setString(kOfxParamPropChoiceOption, text, _optionCount);
    ++_optionCount;
}

void ChoiceParamDescriptor::setDefault(int index) {
    getPropertySet().setInt(kOfxParamPropDefault, index);
}

}  // namespace OFX
