#include "ofx/support/ColourParams.h"

namespace OFX {

void RGBParam::getValue(double& r, double& g, double& b) const {
    getValues(&r, &g, &b);
}

void RGBParam::getValueAtTime(double time, double& r, double& g, double& b) const {
    getValuesAtTime(time, &r, &g, &b);
}

void RGBParam::setValue(double r, double g, double b) {
    setValues(r, g, b);
}

void RGBAParam::getValue(double& r, double& g, double& b, double& a) const {
    getValues(&r, &g, &b, &a);
}

void RGBAParam::getValueAtTime(double time, double& r, double& g, double& b, double& a) const {
    getValuesAtTime(time, &r, &g, &b, &a);
}

void RGBAParam::setValue(double r, double g, double b, double a) {
    setValues(r, g, b, a);
}

}  // namespace OFX
