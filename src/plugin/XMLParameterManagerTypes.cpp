// XMLParameterManager: one creation operation per definition type.

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "effect/ParameterValue.h"
#include "ofx/api/ofx_param.h"
#include "ofx/support/SuiteError.h"
#include "plugin/RequireDescriptor.h"
#include "plugin/XMLParameterManager.h"
#include "util/CLocale.h"
#include "util/Logger.h"

namespace {

using ParameterDef = XMLParameterManager::ParameterDef;

void setLabels(OFX::ParamDescriptor& param, const ParameterDef& def) {
    param.setLabels(def.label, def.label, def.label);
}

// Toward zero, saturating at the int range, NaN as 0: the conversion that
// parameter values use everywhere else.
int truncateToInt(double value) {
    return ParameterValue(value).asInt();
}

// One axis of a vector parameter: default, and the limits used for both the
// range and the display range.
struct Axis {
    double value = 0.0;
    double min = 0.0;
    double max = 1.0;
};

// The axes named in `names`, from the components of those names; other
// components are ignored.
template <std::size_t N>
std::array<Axis, N> axesOf(const ParameterDef& def, const std::array<const char*, N>& names) {
    std::array<Axis, N> axes{};
    for (const XMLEffectDefinition::ParameterComponentDef& component : def.components) {
        for (std::size_t i = 0; i < N; ++i) {
            if (component.name == names[i]) {
                axes[i] = {component.defaultValue, component.minValue, component.maxValue};
            }
        }
    }
    return axes;
}

// Pieces of `text` between commas, empty ones included.
std::vector<std::string> splitAtCommas(const std::string& text) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t comma = text.find(','); comma != std::string::npos;
         comma = text.find(',', start)) {
        pieces.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

// A piece that does not begin with a number counts as 0. Read in the "C"
// locale: the host process may write decimals with a comma.
double toReal(const std::string& piece) {
    return ::strtod_l(piece.c_str(), nullptr, cLocale());
}

// Red, green, blue and alpha from a colour definition: the comma list of its
// default text first, then its components named r, g, b and a.
std::array<double, 4> colourOf(const ParameterDef& def, bool withAlpha) {
    std::array<double, 4> rgba = {0.0, 0.0, 0.0, 1.0};
    if (!def.defaultString.empty()) {
        const std::vector<std::string> pieces = splitAtCommas(def.defaultString);
        if (pieces.size() >= 3) {
            const std::size_t channels = withAlpha ? std::min<std::size_t>(pieces.size(), 4) : 3;
            for (std::size_t i = 0; i < channels; ++i) {
                rgba[i] = toReal(pieces[i]);
            }
        }
    }
    const std::array<const char*, 4> names = {"r", "g", "b", "a"};
    const std::size_t channels = withAlpha ? 4 : 3;
    for (const XMLEffectDefinition::ParameterComponentDef& component : def.components) {
        for (std::size_t i = 0; i < channels; ++i) {
            if (component.name == names[i]) {
                rgba[i] = component.defaultValue;
            }
        }
    }
    return rgba;
}

// Control points (x, y) of a curve's default shape.
std::vector<std::pair<double, double>> shapePoints(const std::string& shape) {
    if (shape == "ease_in") {
        return {{0.0, 0.0}, {0.5, 0.25}, {1.0, 1.0}};
    }
    if (shape == "ease_out") {
        return {{0.0, 0.0}, {0.5, 0.75}, {1.0, 1.0}};
    }
    if (shape == "ease_in_out") {
        return {{0.0, 0.0}, {0.25, 0.1}, {0.5, 0.5}, {0.75, 0.9}, {1.0, 1.0}};
    }
    return {{0.0, 0.0}, {1.0, 1.0}};
}

// Statuses by which a host says it cannot do curves, as opposed to failing.
bool isCurveRefusal(const OFX::SuiteError& error) {
    const OfxStatus status = error.status();
    return status == kOfxStatErrUnsupported || status == kOfxStatErrUnknown ||
           status == kOfxStatErrMissingHostFeature;
}

}  // namespace

OFX::DoubleParamDescriptor& XMLParameterManager::createDoubleParam(
    const ParameterDef& def, OFX::ImageEffectDescriptor& desc) const {
    OFX::DoubleParamDescriptor& param =
        requireDescriptor(desc.defineDoubleParam(def.name), def.name);
    setLabels(param, def);
    applyResolutionDependency(param, def.resDependent, def.hint);
    param.setRange(def.minValue, def.maxValue);
    param.setDisplayRange(def.displayMin, def.displayMax);
    param.setDefault(def.defaultValue);
    param.setIncrement(def.increment);
    return param;
}

OFX::IntParamDescriptor& XMLParameterManager::createIntParam(
    const ParameterDef& def, OFX::ImageEffectDescriptor& desc) const {
    OFX::IntParamDescriptor& param = requireDescriptor(desc.defineIntParam(def.name), def.name);
    setLabels(param, def);
    applyResolutionDependency(param, def.resDependent, def.hint);
    param.setRange(truncateToInt(def.minValue), truncateToInt(def.maxValue));
    param.setDisplayRange(truncateToInt(def.displayMin), truncateToInt(def.displayMax));
    param.setDefault(truncateToInt(def.defaultValue));
    return param;
}

OFX::BooleanParamDescriptor& XMLParameterManager::createBooleanParam(
    const ParameterDef& def, OFX::ImageEffectDescriptor& desc) const {
    OFX::BooleanParamDescriptor& param =
        requireDescriptor(desc.defineBooleanParam(def.name), def.name);
    setLabels(param, def);
    param.setHint(def.hint);
    param.setDefault(def.defaultBool);
    return param;
}

OFX::ChoiceParamDescriptor& XMLParameterManager::createChoiceParam(
    const ParameterDef& def, OFX::ImageEffectDescriptor& desc) const {
    OFX::ChoiceParamDescriptor& param =
        requireDescriptor(desc.defineChoiceParam(def.name), def.name);
    setLabels(param, def);
    param.setHint(def.hint);
    // The option's label is what the host shows; OFX has no separate value.
    for (const XMLEffectDefinition::ParameterOptionDef& option : def.options) {
        param.appendOption(option.label);
    }
    param.setDefault(truncateToInt(def.defaultValue));
    return param;
}

OFX::RGBParamDescriptor& XMLParameterManager::createColorParam(
    const ParameterDef& def, OFX::ImageEffectDescriptor& desc) const {
    OFX::RGBParamDescriptor& param = requireDescriptor(desc.defineRGBParam(def.name), def.name);
    setLabels(param, def);
    param.setHint(def.hint);
    const std::array<double, 4> rgba = colourOf(def, false);
    param.setDefault(rgba[0], rgba[1], rgba[2]);
    return param;
}

OFX::Double2DParamDescriptor& XMLParameterManager::createVec2Param(
    const ParameterDef& def, OFX::ImageEffectDescriptor& desc) const {
    OFX::Double2DParamDescriptor& param =
        requireDescriptor(desc.defineDouble2DParam(def.name), def.name);
    setLabels(param, def);
    applyResolutionDependency(param, def.resDependent, def.hint);
    param.setDoubleType(kOfxParamDoubleTypeXYAbsolute);
    param.setDefaultCoordinateSystem(kOfxParamCoordinatesNormalised);
    const auto [x, y] = axesOf<2>(def, {"x", "y"});
    param.setRange(x.min, y.min, x.max, y.max);
    param.setDisplayRange(x.min, y.min, x.max, y.max);
    param.setDefault(x.value, y.value);
    return param;
}

OFX::Double3DParamDescriptor& XMLParameterManager::createVec3Param(
    const ParameterDef& def, OFX::ImageEffectDescriptor& desc) const {
    OFX::Double3DParamDescriptor& param =
        requireDescriptor(desc.defineDouble3DParam(def.name), def.name);
    setLabels(param, def);
    applyResolutionDependency(param, def.resDependent, def.hint);
    const auto [x, y, z] = axesOf<3>(def, {"x", "y", "z"});
    param.setRange(x.min, y.min, z.min, x.max, y.max, z.max);
    param.setDisplayRange(x.min, y.min, z.min, x.max, y.max, z.max);
    param.setDefault(x.value, y.value, z.value);
    return param;
}

OFX::RGBAParamDescriptor& XMLParameterManager::createColorRGBAParam(
    const ParameterDef& def, OFX::ImageEffectDescriptor& desc) const {
    OFX::RGBAParamDescriptor& param = requireDescriptor(desc.defineRGBAParam(def.name), def.name);
    setLabels(param, def);
    param.setHint(def.hint);
    const std::array<double, 4> rgba = colourOf(def, true);
    param.setDefault(rgba[0], rgba[1], rgba[2], rgba[3]);
    return param;
}

OFX::StringParamDescriptor& XMLParameterManager::createStringParam(
    const ParameterDef& def, OFX::ImageEffectDescriptor& desc) const {
    OFX::StringParamDescriptor& param =
        requireDescriptor(desc.defineStringParam(def.name), def.name);
    setLabels(param, def);
    param.setHint(def.hint);
    param.setDefault(def.defaultString);
    return param;
}

OFX::StringParamDescriptor& XMLParameterManager::createFilePathParam(
    const ParameterDef& def, OFX::ImageEffectDescriptor& desc) const {
    OFX::StringParamDescriptor& param = createStringParam(def, desc);
    param.setStringMode(kOfxParamStringIsFilePath);
    param.setFilePathExists(def.mustExist);
    return param;
}

OFX::PushButtonParamDescriptor& XMLParameterManager::createPushButtonParam(
    const ParameterDef& def, OFX::ImageEffectDescriptor& desc) const {
    OFX::PushButtonParamDescriptor& param =
        requireDescriptor(desc.definePushButtonParam(def.name), def.name);
    setLabels(param, def);
    param.setHint(def.hint);
    return param;
}

OFX::ParametricParamDescriptor* XMLParameterManager::createCurveParam(
    const ParameterDef& def, OFX::ImageEffectDescriptor& desc) const {
    Logger* log = Logger::getInstance();
    OFX::ParametricParamDescriptor* defined = nullptr;
    try {
        defined = desc.defineParametricParam(def.name);
    } catch (const OFX::SuiteError& error) {
        if (!isCurveRefusal(error)) {
            throw;
        }
        log->logMessage(LogLevel::Error,
                        "Warning: curve parameter '%s' skipped, the host cannot define it: %s",
                        def.name.c_str(), error.what());
        return nullptr;
    }
    OFX::ParametricParamDescriptor& param = requireDescriptor(defined, def.name);
    setLabels(param, def);
    param.setHint(def.hint);
    param.setDimension(1);
    param.setRange(0.0, 1.0);
    try {
        for (const auto& [x, y] : shapePoints(def.defaultShape)) {
            param.addControlPoint(0, 0.0, x, y, false);
        }
    } catch (const OFX::SuiteError& error) {
        if (!isCurveRefusal(error)) {
            throw;
        }
        log->logMessage(LogLevel::Error,
                        "Warning: the host refused the default shape of curve parameter '%s', "
                        "which keeps the host's default curve: %s",
                        def.name.c_str(), error.what());
    }
    return &param;
}
