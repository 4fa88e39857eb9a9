#pragma once

// Parametric (curve) parameters: the suite, the type and its properties.

#include "ofx/api/ofx_param.h"

inline constexpr char kOfxParametricParameterSuite[] = "OfxParametricParameterSuite";

extern "C" {

typedef struct OfxParametricParameterSuiteV1 {
    OfxStatus (*parametricParamGetValue)(OfxParamHandle param, int curveIndex, OfxTime time,
                                         double parametricPosition, double* returnValue);
    OfxStatus (*parametricParamGetNControlPoints)(OfxParamHandle param, int curveIndex, double time,
                                                  int* returnValue);
    OfxStatus (*parametricParamGetNthControlPoint)(OfxParamHandle param, int curveIndex,
                                                   double time, int nthCtl, double* key,
                                                   double* value);
    OfxStatus (*parametricParamSetNthControlPoint)(OfxParamHandle param, int curveIndex,
                                                   double time, int nthCtl, double key,
                                                   double value, bool addAnimationKey);
    OfxStatus (*parametricParamAddControlPoint)(OfxParamHandle param, int curveIndex, double time,
                                                double key, double value, bool addAnimationKey);
    OfxStatus (*parametricParamDeleteControlPoint)(OfxParamHandle param, int curveIndex,
                                                   int nthCtl);
    OfxStatus (*parametricParamDeleteAllControlPoints)(OfxParamHandle param, int curveIndex);
} OfxParametricParameterSuiteV1;

}  // extern "C"

inline constexpr char kOfxParamTypeParametric[] = "OfxParamTypeParametric";

inline constexpr char kOfxParamHostPropSupportsParametricAnimation[] =
    "OfxParamHostPropSupportsParametricAnimation";
inline constexpr char kOfxParamPropParametricDimension[] = "OfxParamPropParametricDimension";
inline constexpr char kOfxParamPropParametricInteractBackground[] =
    "OfxParamPropParametricInteractBackground";
inline constexpr char kOfxParamPropParametricRange[] = "OfxParamPropParametricRange";
inline constexpr char kOfxParamPropParametricUIColour[] = "OfxParamPropParametricUIColour";
