#include "ParametricParameterSuite.h"

#include <algorithm>
#include <vector>

#include "Host.h"
#include "ParamSet.h"
#include "SuiteGuard.h"

namespace ofxhost {

namespace {

template <typename Use>
OfxStatus withCurve(OfxParamHandle handle, int curveIndex, Use&& use) {
    return withLive<Param>(handle, [&](Param& param) {
        if (!param.type().is(kOfxParamTypeParametric)) {
            return kOfxStatErrUnsupported;
        }
        std::vector<ControlPoint>* curve = param.curve(curveIndex);
        if (curve == nullptr) {
            return kOfxStatErrBadIndex;
        }
        return use(param, *curve);
    });
}

OfxStatus refusal(const Param& param) {
    return param.owner().host().options().curveDefinitionStatus;
}

void sortByKey(std::vector<ControlPoint>& curve) {
    std::stable_sort(curve.begin(), curve.end(),
                     [](const ControlPoint& a, const ControlPoint& b) { return a.key < b.key; });
}

// Piecewise linear through the points; the identity curve without points.
double evaluate(const std::vector<ControlPoint>& curve, double position) {
    if (curve.empty()) {
        return position;
    }
    if (position <= curve.front().key) {
        return curve.front().value;
    }
    for (size_t i = 1; i < curve.size(); ++i) {
        const ControlPoint& a = curve[i - 1];
        const ControlPoint& b = curve[i];
        if (position <= b.key) {
            const double span = b.key - a.key;
            return span > 0.0 ? a.value + (b.value - a.value) * (position - a.key) / span : b.value;
        }
    }
    return curve.back().value;
}

OfxStatus getValue(OfxParamHandle handle, int curveIndex, OfxTime, double position, double* value) {
    if (value == nullptr) {
        return kOfxStatErrValue;
    }
    return withCurve(handle, curveIndex, [&](Param&, std::vector<ControlPoint>& curve) {
        *value = evaluate(curve, position);
        return kOfxStatOK;
    });
}

OfxStatus getNControlPoints(OfxParamHandle handle, int curveIndex, double, int* count) {
    if (count == nullptr) {
        return kOfxStatErrValue;
    }
    return withCurve(handle, curveIndex, [&](Param&, std::vector<ControlPoint>& curve) {
        *count = static_cast<int>(curve.size());
        return kOfxStatOK;
    });
}

OfxStatus getNthControlPoint(OfxParamHandle handle, int curveIndex, double, int nth, double* key,
                             double* value) {
    if (key == nullptr || value == nullptr) {
        return kOfxStatErrValue;
    }
    return withCurve(handle, curveIndex, [&](Param&, std::vector<ControlPoint>& curve) {
        if (nth < 0 || static_cast<size_t>(nth) >= curve.size()) {
            return kOfxStatErrBadIndex;
        }
        *key = curve[static_cast<size_t>(nth)].key;
        *value = curve[static_cast<size_t>(nth)].value;
        return kOfxStatOK;
    });
}

OfxStatus setNthControlPoint(OfxParamHandle handle, int curveIndex, double, int nth, double key,
                             double value, bool) {
    return withCurve(handle, curveIndex, [&](Param& param, std::vector<ControlPoint>& curve) {
        if (refusal(param) != kOfxStatOK) {
            return refusal(param);
        }
        if (nth < 0 || static_cast<size_t>(nth) >= curve.size()) {
            return kOfxStatErrBadIndex;
        }
        curve[static_cast<size_t>(nth)] = {key, value};
        sortByKey(curve);
        return kOfxStatOK;
    });
}

OfxStatus addControlPoint(OfxParamHandle handle, int curveIndex, double, double key, double value,
                          bool) {
    return withCurve(handle, curveIndex, [&](Param& param, std::vector<ControlPoint>& curve) {
        if (refusal(param) != kOfxStatOK) {
            return refusal(param);
        }
        curve.push_back({key, value});
        sortByKey(curve);
        return kOfxStatOK;
    });
}

OfxStatus deleteControlPoint(OfxParamHandle handle, int curveIndex, int nth) {
    return withCurve(handle, curveIndex, [&](Param&, std::vector<ControlPoint>& curve) {
        if (nth < 0 || static_cast<size_t>(nth) >= curve.size()) {
            return kOfxStatErrBadIndex;
        }
        curve.erase(curve.begin() + nth);
        return kOfxStatOK;
    });
}

OfxStatus deleteAllControlPoints(OfxParamHandle handle, int curveIndex) {
    return withCurve(handle, curveIndex, [&](Param&, std::vector<ControlPoint>& curve) {
        curve.clear();
        return kOfxStatOK;
    });
}

const OfxParametricParameterSuiteV1 kSuite = {
    getValue,        getNControlPoints,  getNthControlPoint,     setNthControlPoint,
    addControlPoint, deleteControlPoint, deleteAllControlPoints,
};

}  // namespace

const OfxParametricParameterSuiteV1* parametricParameterSuite() {
    return &kSuite;
}

}  // namespace ofxhost
