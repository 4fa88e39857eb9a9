#include "ofx/support/VectorParams.h"

namespace OFX {

void Double2DParam::getValue(double& x, double& y) const {
    getValues(&x, &y);
}

void Double2DParam::getValueAtTime(double time, double& x, double& y) const {
    getValuesAtTime(time, &x, &y);
}

void Double2DParam::setValue(double x, double y) {
    setValues(x, y);
}

void Double3DParam::getValue(double& x, double& y, double& z) const {
    getValues(&x, &y, &z);
}

void Double3DParam::getValueAtTime(double time, double& x, double& y, double& z) const {
    getValuesAtTime(time, &x, &y, &z);
}

void Double3DParam::setValue(double x, double y, double z) {
    setValues(x, y, z);
}

}  // namespace OFX
