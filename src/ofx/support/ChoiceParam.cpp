#include "ofx/support/ChoiceParam.h"

namespace OFX {

int ChoiceParam::getValue() const {
    int index = 0;
    getValues(&index);
    return index;
}

int ChoiceParam::getValueAtTime(double time) const {
    int index = 0;
    getValuesAtTime(time, &index);
    return index;
}

void ChoiceParam::setValue(int index) {
    setValues(index);
}

void ChoiceParam::resetOptions() {
    const auto& reset = Private::suiteFunction(Private::propertySuite().propReset, "propReset");
    throwIfFailed(reset(getPropertySet().handle(), kOfxParamPropChoiceOption),
                  "Failed to reset the options of " + getName());
}

void ChoiceParam::appendOption(const std::string& option) {
    getPropertySet().setString(kOfxParamPropChoiceOption, option, getOptionCount());
}

int ChoiceParam::getOptionCount() const {
    return getPropertySet().getDimension(kOfxParamPropChoiceOption);
}

}  // namespace OFX
