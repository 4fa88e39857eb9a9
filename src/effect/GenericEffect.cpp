#include "effect/GenericEffect.h"

#include <exception>
#include <stdexcept>
#include <utility>

#include "definition/EmbeddedXml.h"
#include "effect/BundleLocation.h"
#include "util/Logger.h"

namespace {

struct FrameworkParam {
    const char* name;
    const char* type;
};

// The preset section's parameters, created outside the definition, in fetch
// order, with the definition type each is fetched as.
constexpr FrameworkParam kFrameworkParams[] = {
    {"preset_list", "choice"},     {"factory_preset_list", "choice"}, {"preset_name", "string"},
    {"load_preset", "pushbutton"}, {"delete_preset", "pushbutton"},   {"save_preset", "pushbutton"},
};

}  // namespace

GenericEffect::GenericEffect(OfxImageEffectHandle handle, const std::string& definitionPath)
    : OFX::ImageEffect(handle), _bundleName(deriveBundleName(definitionPath)) {
    Logger* log = Logger::getInstance();
    log->logMessage(LogLevel::Debug, "GenericEffect constructor: %s", definitionPath.c_str());
    if (!_definition.parseFromEmbeddedXML(EMBEDDED_XML)) {
        throw std::runtime_error("Failed to parse embedded XML");
    }
    log->logMessage(LogLevel::Info, "Loaded XML from embedded binary (release build)");

    const std::string debugLevel = _definition.getDebugLevel();
    if (debugLevel != "none") {
        log->setDebugLevel(debugLevel);
    }
    log->setEffectName(_definition.getName());
    log->logMessage(LogLevel::Debug, "XML debug level: %s", debugLevel.c_str());

    // A clip the host lacks is logged and left out; the instance still works.
    int fetched = 0;
    try {
        for (const XMLEffectDefinition::InputDef& input : _definition.getInputs()) {
            try {
                OFX::Clip* clip = fetchClip(input.name);
                ++fetched;
                std::lock_guard<std::mutex> lock(_paramMutex);
                _clips[input.name] = clip;
            } catch (const std::exception& error) {
                log->logMessage(LogLevel::Error, "Failed to fetch clip %s: %s", input.name.c_str(),
                                error.what());
            }
        }
        try {
            OFX::Clip* output = fetchClip("Output");
            ++fetched;
            std::lock_guard<std::mutex> lock(_paramMutex);
            _clips["output"] = output;
        } catch (const std::exception& error) {
            log->logMessage(LogLevel::Error, "Failed to fetch output clip: %s", error.what());
        }
        log->logMessage(LogLevel::Debug, "GenericEffect constructor completed: %d clips fetched",
                        fetched);
    } catch (const std::exception& error) {
        log->logMessage(LogLevel::Error, "GenericEffect constructor error: %s", error.what());
    }
}

OFX::Param* GenericEffect::paramLocked(const std::string& name) const {
    const auto found = _params.find(name);
    return found == _params.end() ? nullptr : found->second;
}

bool GenericEffect::hasParams() {
    std::lock_guard<std::mutex> lock(_paramMutex);
    return !_params.empty();
}

void GenericEffect::fetchParametersIfNone() {
    if (!hasParams()) {
        fetchParametersLazily();
    }
}

OFX::Param* GenericEffect::fetchParamOfType(const std::string& type, const std::string& name) {
    if (type == "double" || type == "float") {
        return fetchDoubleParam(name);
    }
    if (type == "int") {
        return fetchIntParam(name);
    }
    if (type == "bool") {
        return fetchBooleanParam(name);
    }
    if (type == "string" || type == "filepath") {
        return fetchStringParam(name);
    }
    if (type == "choice") {
        return fetchChoiceParam(name);
    }
    if (type == "color") {
        return fetchRGBParam(name);
    }
    if (type == "vec2") {
        return fetchDouble2DParam(name);
    }
    if (type == "vec3") {
        return fetchDouble3DParam(name);
    }
    if (type == "color_rgba") {
        return fetchRGBAParam(name);
    }
    if (type == "pushbutton") {
        return fetchPushButtonParam(name);
    }
    return nullptr;
}

void GenericEffect::fetchParametersLazily() {
    Logger* log = Logger::getInstance();
    std::lock_guard<std::mutex> lock(_paramMutex);
    log->logMessage(LogLevel::Debug, "Fetching parameters lazily");

    for (const XMLEffectDefinition::ParameterDef& def : _definition.getParameters()) {
        const std::string& type = def.type;
        try {
            if (OFX::Param* param = fetchParamOfType(type, def.name)) {
                _params[def.name] = param;
            } else {
                log->logMessage(LogLevel::Error, "Unsupported parameter type: %s", type.c_str());
            }
        } catch (const std::exception& error) {
            // A float is fetched, and reported, as a double.
            log->logMessage(LogLevel::Error, "Failed to fetch %s param %s: %s",
                            type == "float" ? "double" : type.c_str(), def.name.c_str(),
                            error.what());
        }
    }

    // The preset section is created outside the definition. It has no
    // "load_preset", so that fetch fails and is logged every time.
    for (const FrameworkParam& framework : kFrameworkParams) {
        try {
            _params[framework.name] = fetchParamOfType(framework.type, framework.name);
        } catch (const std::exception& error) {
            log->logMessage(LogLevel::Error, "Failed to fetch %s: %s", framework.name,
                            error.what());
        }
    }
    log->logMessage(LogLevel::Debug, "Fetched %d parameters (including framework params)",
                    static_cast<int>(_params.size()));
}

ParameterValue GenericEffect::getParameterValue(const std::string& name, double time) {
    OFX::Param* param = nullptr;
    {
        std::lock_guard<std::mutex> lock(_paramMutex);
        param = paramLocked(name);
    }
    if (param == nullptr) {
        Logger::getInstance()->logMessage(LogLevel::Error, "Parameter %s not found", name.c_str());
        return ParameterValue();
    }
    const XMLEffectDefinition::ParameterDef& def = _definition.getParameter(name);
    // A file path is a text for presets, but no value the render path can use.
    std::optional<ParameterValue> value;
    if (def.type != "filepath") {
        value = readValue(def, *param, time);
    }
    if (!value) {
        Logger::getInstance()->logMessage(LogLevel::Error, "Unsupported parameter type: %s",
                                          def.type.c_str());
        return ParameterValue();
    }
    return *value;
}

int GenericEffect::getIntParameter(const std::string& name, double time) {
    Logger* log = Logger::getInstance();
    std::lock_guard<std::mutex> lock(_paramMutex);
    OFX::Param* param = paramLocked(name);
    if (param == nullptr) {
        log->logMessage(LogLevel::Error,
                        "Dynamic execution parameter not found: %s, defaulting to 1", name.c_str());
        return 1;
    }
    int value = 0;
    if (const auto* integer = dynamic_cast<const OFX::IntParam*>(param)) {
        value = integer->getValueAtTime(time);
    } else if (const auto* real = dynamic_cast<const OFX::DoubleParam*>(param)) {
        const double number = real->getValueAtTime(time);
        value = ParameterValue(number).asInt();
        log->logMessage(LogLevel::Debug,
                        "Parameter %s is double/float (%.2f), converting to int (%d)", name.c_str(),
                        number, value);
    } else {
        log->logMessage(LogLevel::Error,
                        "Parameter %s is not int/float/double type, defaulting to 1", name.c_str());
        return 1;
    }
    if (value < 1) {
        log->logMessage(LogLevel::Debug, "Parameter %s has value %d < 1, clamping to 1",
                        name.c_str(), value);
        return 1;
    }
    return value;
}

void GenericEffect::changedParam(const OFX::InstanceChangedArgs& args,
                                 const std::string& paramName) {
    Logger* log = Logger::getInstance();
    fetchParametersIfNone();

    if (paramName == "factory_preset_list") {
        const int index = selectedIndex(paramName);
        if (index >= 1) {
            log->logMessage(LogLevel::Info,
                            "Factory preset dropdown changed to index %d - auto-loading", index);
            handleFactoryPresetLoad();
        }
    } else if (paramName == "preset_list") {
        const int index = selectedIndex(paramName);
        if (index == 1) {
            log->logMessage(LogLevel::Info, "Load Defaults selected - resetting to XML defaults");
            loadDefaultValues();
            selectListEntry("factory_preset_list", 0);
        } else if (index >= 2) {
            log->logMessage(LogLevel::Info, "Preset dropdown changed to index %d - auto-loading",
                            index);
            handlePresetLoad();
        }
    } else if (paramName == "save_preset") {
        log->logMessage(LogLevel::Info, "Save Preset button clicked!");
        handlePresetSave();
    } else if (paramName == "load_preset") {
        log->logMessage(LogLevel::Info, "Load Preset button clicked!");
        handlePresetLoad();
    } else if (paramName == "delete_preset") {
        log->logMessage(LogLevel::Info, "Delete Preset button clicked!");
        handlePresetDelete();
    } else if (paramName == "refresh_presets") {
        log->logMessage(LogLevel::Info, "Refresh Presets button clicked!");
        refreshPresetList();
    } else if (paramName == "tutorialsButton") {
        openDocumentation();
    } else {
        OFX::ImageEffect::changedParam(args, paramName);
    }
}

int GenericEffect::selectedIndex(const std::string& listName) {
    try {
        return fetchChoiceParam(listName)->getValue();
    } catch (const std::exception& error) {
        Logger::getInstance()->logMessage(LogLevel::Error, "Failed to read %s: %s",
                                          listName.c_str(), error.what());
        return 0;  // the placeholder entry: nothing to do
    }
}

void GenericEffect::setDocumentationOpener(DocumentationOpener opener) {
    _documentationOpener = std::move(opener);
}

std::string GenericEffect::documentationAddress() const {
    std::string resources = BundleLocation::resourcesDirectory();
    if (resources.empty()) {
        resources = BundleLocation::installedResourcesDirectory(_bundleName);
    }
    return DocumentationOpener::fileAddress(resources + "/doc/index.html");
}

void GenericEffect::openDocumentation() {
    const std::string address = documentationAddress();
    Logger* log = Logger::getInstance();
    if (_documentationOpener.open(address)) {
        log->logMessage(LogLevel::Info, "Opening documentation: %s", address.c_str());
    } else {
        log->logMessage(LogLevel::Error, "Failed to start %s for %s",
                        _documentationOpener.program().c_str(), address.c_str());
    }
}
