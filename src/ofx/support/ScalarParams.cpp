#include "ofx/support/ScalarParams.h"

namespace OFX {

double DoubleParam::getValue() const {
    double value = 0.0;
    getValues(&value);
    return value;
}

double DoubleParam::getValueAtTime(double time) const {
    double value = 0.0;
    getValuesAtTime(time, &value);
    return value;
}

void DoubleParam::setValue(double value) {
    setValues(value);
}

int IntParam::getValue() const {
    int value = 0;
    getValues(&value);
    return value;
}

int IntParam::getValueAtTime(double time) const {
    int value = 0;
    getValuesAtTime(time, &value);
    return value;
}

void IntParam::setValue(int value) {
    setValues(value);
}

bool BooleanParam::getValue() const {
    int value = 0;
    getValues(&value);
    return value != 0;
}

bool BooleanParam::getValueAtTime(double time) const {
    int value = 0;
    getValuesAtTime(time, &value);
    return value != 0;
}

void BooleanParam::setValue(bool value) {
    setValues(value ? 1 : 0);
}

}  // namespace OFX
