// Moving parameter values between the host and maps of name to
// ParameterValue: reading and writing one value by the definition's type,
// collecting every value for a preset, applying a preset, and the defaults.

#include <exception>
#include <stdexcept>

#include "effect/GenericEffect.h"
#include "util/Logger.h"

namespace {

using ParameterDef = XMLEffectDefinition::ParameterDef;

// `param` as the kind its definition type was fetched as.
template <class T>
T& as(OFX::Param& param) {
    T* typed = dynamic_cast<T*>(&param);
    if (typed == nullptr) {
        throw std::runtime_error("Parameter " + param.getName() + " is of an unexpected kind");
    }
    return *typed;
}

template <class T>
const T& as(const OFX::Param& param) {
    const T* typed = dynamic_cast<const T*>(&param);
    if (typed == nullptr) {
        throw std::runtime_error("Parameter " + param.getName() + " is of an unexpected kind");
    }
    return *typed;
}

// Reads through getValue or getValueAtTime of any typed parameter.
template <class T, class... Out>
auto read(const T& param, std::optional<double> time, Out&... out) {
    if (time) {
        return param.getValueAtTime(*time, out...);
    }
    return param.getValue(out...);
}

// Names of the preset section, never part of a preset.
bool isPresetControl(const std::string& name) {
    return name == "preset_name" || name == "preset_list" || name == "refresh_presets" ||
           name == "load_preset" || name == "delete_preset" || name == "save_preset";
}

double component(const ParameterDef& def, std::size_t index, double missing) {
    return index < def.components.size() ? def.components[index].defaultValue : missing;
}

}  // namespace

std::optional<ParameterValue> GenericEffect::readValue(const ParameterDef& def,
                                                       const OFX::Param& param,
                                                       std::optional<double> time) {
    const std::string& type = def.type;
    if (type == "double" || type == "float") {
        return ParameterValue(read(as<OFX::DoubleParam>(param), time));
    }
    if (type == "int") {
        return ParameterValue(read(as<OFX::IntParam>(param), time));
    }
    if (type == "choice") {
        return ParameterValue(read(as<OFX::ChoiceParam>(param), time));
    }
    if (type == "bool") {
        return ParameterValue(read(as<OFX::BooleanParam>(param), time));
    }
    if (type == "string" || type == "filepath") {
        return ParameterValue(read(as<OFX::StringParam>(param), time));
    }
    if (type == "vec2") {
        double x = 0.0, y = 0.0;
        read(as<OFX::Double2DParam>(param), time, x, y);
        return ParameterValue(x, y);
    }
    if (type == "vec3") {
        double x = 0.0, y = 0.0, z = 0.0;
        read(as<OFX::Double3DParam>(param), time, x, y, z);
        return ParameterValue(x, y, z);
    }
    if (type == "color") {
        double r = 0.0, g = 0.0, b = 0.0;
        read(as<OFX::RGBParam>(param), time, r, g, b);
        return ParameterValue(r, g, b);
    }
    if (type == "color_rgba") {
        double r = 0.0, g = 0.0, b = 0.0, a = 0.0;
        read(as<OFX::RGBAParam>(param), time, r, g, b, a);
        return ParameterValue(r, g, b, a);
    }
    return std::nullopt;
}

void GenericEffect::writeValue(const ParameterDef& def, OFX::Param& param,
                               const ParameterValue& value) {
    const std::string& type = def.type;
    if (type == "double" || type == "float") {
        as<OFX::DoubleParam>(param).setValue(value.asDouble());
    } else if (type == "int") {
        as<OFX::IntParam>(param).setValue(value.asInt());
    } else if (type == "choice") {
        as<OFX::ChoiceParam>(param).setValue(value.asInt());
    } else if (type == "bool") {
        as<OFX::BooleanParam>(param).setValue(value.asBool());
    } else if (type == "string" || type == "filepath") {
        as<OFX::StringParam>(param).setValue(value.asString());
    } else if (type == "vec2") {
        float x = 0.0f, y = 0.0f;
        value.asVec2(x, y);
        as<OFX::Double2DParam>(param).setValue(x, y);
    } else if (type == "vec3") {
        float x = 0.0f, y = 0.0f, z = 0.0f;
        value.asVec3(x, y, z);
        as<OFX::Double3DParam>(param).setValue(x, y, z);
    } else if (type == "color") {
        float r = 0.0f, g = 0.0f, b = 0.0f;
        value.asVec3(r, g, b);
        as<OFX::RGBParam>(param).setValue(r, g, b);
    } else if (type == "color_rgba") {
        float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f;
        value.asVec4(r, g, b, a);
        as<OFX::RGBAParam>(param).setValue(r, g, b, a);
    }
}

std::map<std::string, ParameterValue> GenericEffect::collectAllParameterValues() {
    fetchParametersLazily();
    std::map<std::string, OFX::Param*> handles;
    {
        std::lock_guard<std::mutex> lock(_paramMutex);
        handles = _params;
    }
    std::map<std::string, ParameterValue> values;
    for (const ParameterDef& def : _definition.getParameters()) {
        const auto handle = handles.find(def.name);
        if (isPresetControl(def.name) || def.type == "pushbutton" || handle == handles.end()) {
            continue;
        }
        try {
            if (std::optional<ParameterValue> value =
                    readValue(def, *handle->second, std::nullopt)) {
                values[def.name] = *value;
            }
        } catch (const std::exception& error) {
            Logger::getInstance()->logMessage(LogLevel::Error,
                                              "Failed to collect parameter '%s': %s",
                                              def.name.c_str(), error.what());
        }
    }
    return values;
}

void GenericEffect::applyParameterValues(const std::map<std::string, ParameterValue>& values) {
    Logger* log = Logger::getInstance();
    fetchParametersLazily();
    std::map<std::string, OFX::Param*> handles;
    {
        std::lock_guard<std::mutex> lock(_paramMutex);
        handles = _params;
    }
    // One undo step for the whole preset.
    bool editBlock = false;
    try {
        beginEditBlock("Apply preset");
        editBlock = true;
    } catch (const std::exception& error) {
        log->logMessage(LogLevel::Error, "Failed to begin an edit block: %s", error.what());
    }
    for (const auto& [name, value] : values) {
        const auto handle = handles.find(name);
        if (handle == handles.end()) {
            log->logMessage(LogLevel::Info, "Preset parameter '%s' not found in effect - skipping",
                            name.c_str());
            continue;
        }
        try {
            writeValue(_definition.getParameter(name), *handle->second, value);
        } catch (const std::exception& error) {
            log->logMessage(LogLevel::Error, "Failed to apply preset parameter '%s': %s",
                            name.c_str(), error.what());
        }
    }
    if (editBlock) {
        try {
            endEditBlock();
        } catch (const std::exception& error) {
            log->logMessage(LogLevel::Error, "Failed to end an edit block: %s", error.what());
        }
    }
}

void GenericEffect::loadDefaultValues() {
    Logger* log = Logger::getInstance();
    log->logMessage(LogLevel::Info, "Loading default values from XML definition");
    std::map<std::string, ParameterValue> defaults;
    for (const ParameterDef& def : _definition.getParameters()) {
        const std::string& type = def.type;
        if (type == "double" || type == "float") {
            defaults[def.name] = ParameterValue(def.defaultValue);
        } else if (type == "int" || type == "choice") {
            defaults[def.name] = ParameterValue(ParameterValue(def.defaultValue).asInt());
        } else if (type == "bool") {
            defaults[def.name] = ParameterValue(def.defaultBool);
        } else if (type == "vec2") {
            defaults[def.name] = ParameterValue(component(def, 0, 0.0), component(def, 1, 0.0));
        } else if (type == "vec3" || type == "color") {
            defaults[def.name] = ParameterValue(component(def, 0, 0.0), component(def, 1, 0.0),
                                                component(def, 2, 0.0));
        } else if (type == "vec4" || type == "color_rgba") {
            defaults[def.name] = ParameterValue(component(def, 0, 0.0), component(def, 1, 0.0),
                                                component(def, 2, 0.0), component(def, 3, 1.0));
        } else if (type == "string" || type == "filepath") {
            defaults[def.name] = ParameterValue(def.defaultString);
        }
    }
    applyParameterValues(defaults);
    log->logMessage(LogLevel::Info, "Default values loaded: %zu parameters reset", defaults.size());
}
