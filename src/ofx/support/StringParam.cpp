#include "ofx/support/StringParam.h"

namespace OFX {

namespace {

std::string copyOf(const char* text) {
    return text == nullptr ? std::string() : std::string(text);
}

}  // namespace

std::string StringParam::getValue() const {
    char* text = nullptr;
    getValues(&text);
    return copyOf(text);
}

std::string StringParam::getValueAtTime(double time) const {
    char* text = nullptr;
    getValuesAtTime(time, &text);
    return copyOf(text);
}

void StringParam::setValue(const std::string& value) {
    setValues(value.c_str());
}

}  // namespace OFX
