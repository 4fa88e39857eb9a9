#include "ofx/support/ParametricParamDescriptor.h"

#include <utility>

#include "ofx/api/ofx_parametric_param.h"
#include "ofx/support/SuiteError.h"
#include "ofx/support/Suites.h"

namespace OFX {

ParametricParamDescriptor::ParametricParamDescriptor(std::string name,
                                                     OfxPropertySetHandle properties,
                                                     OfxParamSetHandle paramSet)
    : ParamDescriptor(std::move(name), TYPE, properties), _paramSet(paramSet) {}

void ParametricParamDescriptor::setDimension(int curves) {
    getPropertySet().setInt(kOfxParamPropParametricDimension, curves);
}

void ParametricParamDescriptor::setRange(double min, double max) {
    getPropertySet().setDouble(kOfxParamPropParametricRange, min, 0);
    getPropertySet().setDouble(kOfxParamPropParametricRange, max, 1);
}

void ParametricParamDescriptor::addControlPoint(int curveIndex, double time, double x, double y,
                                                bool addAnimationKey) {
    const OfxParametricParameterSuiteV1* suite = Private::gParametricParameterSuite;
    if (suite == nullptr) {
        throw SuiteError(kOfxStatErrMissingHostFeature,
                         "Host has no parametric parameter suite for the curve of " + getName());
    }
    // The curve calls take a parameter handle, which descriptors get by name.
    const auto& getHandle =
        Private::suiteFunction(Private::parameterSuite().paramGetHandle, "paramGetHandle");
    OfxParamHandle handle = nullptr;
    throwIfFailed(getHandle(_paramSet, getName().c_str(), &handle, nullptr),
                  "Failed to get the descriptor handle of " + getName());
    const auto& add = Private::suiteFunction(suite->parametricParamAddControlPoint,
                                             "parametricParamAddControlPoint");
    throwIfFailed(add(handle, curveIndex, time, x, y, addAnimationKey),
                  "Failed to add a control point to the curve of " + getName());
}

}  // namespace OFX
