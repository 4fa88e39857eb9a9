#include "ParamProperties.h"

#include <cfloat>
#include <climits>
#include <vector>

#include "ofx/api/ofx_param.h"
#include "ofx/api/ofx_parametric_param.h"

namespace ofxhost {

namespace {

constexpr int kVariable = Property::kVariable;

void defineCommon(PropertySet& set, const ParamTypeInfo& type, const std::string& name) {
    set.addString(kOfxPropType, {kOfxTypeParameter})
        .addString(kOfxPropName, {name})
        .addString(kOfxPropLabel, {name})
        .addString(kOfxPropShortLabel, {name})
        .addString(kOfxPropLongLabel, {name})
        .addString(kOfxParamPropType, {type.type})
        .addInt(kOfxParamPropSecret, {0})
        .addString(kOfxParamPropHint, {""})
        .addString(kOfxParamPropScriptName, {name})
        .addString(kOfxParamPropParent, {""})
        .addInt(kOfxParamPropEnabled, {1})
        .addPointer(kOfxParamPropDataPtr, {nullptr})
        .addString(kOfxPropIcon, {"", ""});
}

// Every type but groups and pages can carry a custom GUI.
void defineInteract(PropertySet& set) {
    set.addPointer(kOfxParamPropInteractV1, {nullptr})
        .addDouble(kOfxParamPropInteractSize, {0.0, 0.0})
        .addDouble(kOfxParamPropInteractSizeAspect, {1.0})
        .addDouble(kOfxParamPropInteractMinimumSize, {10.0, 10.0})
        .addInt(kOfxParamPropInteractPreferedSize, {10, 10})
        .addInt(kOfxParamPropHasHostOverlayHandle, {0})
        .addInt(kOfxParamPropUseHostOverlayHandle, {0});
}

// Properties of every parameter that holds a value (the default excepted).
void defineValued(PropertySet& set, const ParamTypeInfo& type) {
    set.addInt(kOfxParamPropAnimates, {type.animatesByDefault ? 1 : 0})
        .addInt(kOfxParamPropIsAnimating, {0})
        .addInt(kOfxParamPropIsAutoKeying, {0})
        .addInt(kOfxParamPropPersistant, {1})
        .addInt(kOfxParamPropEvaluateOnChange, {1})
        .addInt(kOfxParamPropPluginMayWrite, {0})
        .addString(kOfxParamPropCacheInvalidation, {kOfxParamInvalidateValueChange})
        .addInt(kOfxParamPropCanUndo, {1});
}

void defineDimensionLabels(PropertySet& set, int dimension) {
    const std::vector<std::string> labels = {"x", "y", "z"};
    set.addString(kOfxParamPropDimensionLabel,
                  std::vector<std::string>(labels.begin(), labels.begin() + dimension));
}

void defineIntegerRange(PropertySet& set, int dimension) {
    const auto filled = [dimension](int value) {
        return std::vector<int>(static_cast<size_t>(dimension), value);
    };
    set.addInt(kOfxParamPropDefault, filled(0))
        .addInt(kOfxParamPropMin, filled(INT_MIN))
        .addInt(kOfxParamPropMax, filled(INT_MAX))
        .addInt(kOfxParamPropDisplayMin, filled(INT_MIN))
        .addInt(kOfxParamPropDisplayMax, filled(INT_MAX));
}

void defineDoubleRange(PropertySet& set, int dimension) {
    const auto filled = [dimension](double value) {
        return std::vector<double>(static_cast<size_t>(dimension), value);
    };
    set.addDouble(kOfxParamPropDefault, filled(0.0))
        .addDouble(kOfxParamPropMin, filled(-DBL_MAX))
        .addDouble(kOfxParamPropMax, filled(DBL_MAX))
        .addDouble(kOfxParamPropDisplayMin, filled(-DBL_MAX))
        .addDouble(kOfxParamPropDisplayMax, filled(DBL_MAX))
        .addDouble(kOfxParamPropIncrement, {1.0})
        .addInt(kOfxParamPropDigits, {2})
        .addString(kOfxParamPropDoubleType, {kOfxParamDoubleTypePlain});
}

void defineTypeSpecific(PropertySet& set, const ParamTypeInfo& type) {
    if (type.is(kOfxParamTypeInteger) || type.is(kOfxParamTypeInteger2D) ||
        type.is(kOfxParamTypeInteger3D)) {
        defineIntegerRange(set, type.dimension);
        if (type.dimension > 1) {
            defineDimensionLabels(set, type.dimension);
        }
    } else if (type.is(kOfxParamTypeDouble) || type.is(kOfxParamTypeDouble2D) ||
               type.is(kOfxParamTypeDouble3D)) {
        defineDoubleRange(set, type.dimension);
        if (type.dimension == 1) {
            set.addInt(kOfxParamPropShowTimeMarker, {0});
        }
        if (type.dimension < 3) {
            set.addString(kOfxParamPropDefaultCoordinateSystem, {kOfxParamCoordinatesCanonical});
        }
        if (type.dimension > 1) {
            defineDimensionLabels(set, type.dimension);
        }
    } else if (type.is(kOfxParamTypeRGB)) {
        set.addDouble(kOfxParamPropDefault, {0.0, 0.0, 0.0});
    } else if (type.is(kOfxParamTypeRGBA)) {
        set.addDouble(kOfxParamPropDefault, {0.0, 0.0, 0.0, 0.0});
    } else if (type.is(kOfxParamTypeBoolean)) {
        set.addInt(kOfxParamPropDefault, {0});
    } else if (type.is(kOfxParamTypeChoice)) {
        set.addInt(kOfxParamPropDefault, {0})
            .addString(kOfxParamPropChoiceOption, {}, kVariable)
            .addInt(kOfxParamPropChoiceOrder, {}, kVariable);
    } else if (type.is(kOfxParamTypeStrChoice)) {
        set.addString(kOfxParamPropDefault, {""})
            .addString(kOfxParamPropChoiceOption, {}, kVariable)
            .addString(kOfxParamPropChoiceEnum, {}, kVariable)
            .addInt(kOfxParamPropChoiceOrder, {}, kVariable);
    } else if (type.is(kOfxParamTypeString)) {
        set.addString(kOfxParamPropDefault, {""})
            .addString(kOfxParamPropStringMode, {kOfxParamStringIsSingleLine})
            .addInt(kOfxParamPropStringFilePathExists, {1});
    } else if (type.is(kOfxParamTypeCustom)) {
        set.addString(kOfxParamPropDefault, {""})
            .addPointer(kOfxParamPropCustomInterpCallbackV1, {nullptr});
    } else if (type.is(kOfxParamTypeBytes)) {
        set.addPointer(kOfxParamPropDefault, {nullptr});
    } else if (type.is(kOfxParamTypeGroup)) {
        set.addInt(kOfxParamPropGroupOpen, {1});
    } else if (type.is(kOfxParamTypePage)) {
        set.addString(kOfxParamPropPageChild, {}, kVariable);
    } else if (type.is(kOfxParamTypeParametric)) {
        set.addInt(kOfxParamPropParametricDimension, {1})
            .addDouble(kOfxParamPropParametricUIColour, {}, kVariable)
            .addPointer(kOfxParamPropParametricInteractBackground, {nullptr})
            .addDouble(kOfxParamPropParametricRange, {0.0, 1.0})
            .addString(kOfxParamPropDimensionLabel, {}, kVariable);
    }
}

}  // namespace

void defineParamProperties(PropertySet& set, const ParamTypeInfo& type, const std::string& name) {
    defineCommon(set, type, name);
    const bool layoutOnly = type.is(kOfxParamTypeGroup) || type.is(kOfxParamTypePage);
    if (!layoutOnly) {
        defineInteract(set);
        defineValued(set, type);
    }
    defineTypeSpecific(set, type);
}

}  // namespace ofxhost
