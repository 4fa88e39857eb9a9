#pragma once

#include <string>

#include "ofx/api/ofx_param.h"
#include "ofx/support/ParamDescriptor.h"

namespace OFX {

// A set of curves over a parametric range, edited in the host's curve
// editor. The default curves are given as control points through the
// parametric parameter suite.
class ParametricParamDescriptor : public ParamDescriptor {
  public:
    static constexpr ParamTypeEnum TYPE = ParamTypeEnum::Parametric;

    // `paramSet` is the descriptor's parameter set, through which the curve
    // calls reach this parameter.
    ParametricParamDescriptor(std::string name, OfxPropertySetHandle properties,
                              OfxParamSetHandle paramSet);

    // The number of curves.
    void setDimension(int curves);
    // The span of the curves' x axis.
    void setRange(double min, double max);
    // Adds the point (x, y) to the default of curve `curveIndex`. Throws a
    // SuiteError when the host has no parametric suite or refuses the point.
    void addControlPoint(int curveIndex, double time, double x, double y, bool addAnimationKey);

  private:
    OfxParamSetHandle _paramSet;
};

}  // namespace OFX
