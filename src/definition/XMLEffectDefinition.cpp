#include "definition/XMLEffectDefinition.h"

#include <pugixml.hpp>

#include <exception>
#include <stdexcept>

#include "util/Logger.h"

XMLEffectDefinition::XMLEffectDefinition() {
    Logger::getInstance()->logMessage(LogLevel::Info,
                                      "XMLEffectDefinition default constructor (for embedded XML)");
}

// Out of line: pugi::xml_document is complete only here.
XMLEffectDefinition::~XMLEffectDefinition() = default;

void XMLEffectDefinition::reset() {
    _document.reset();
    _name.clear();
    _category.clear();
    _description.clear();
    _version.clear();
    _debugLevel.clear();
    _supportsTimeline = false;
    _supportsMatte = false;
    _inputs.clear();
    _resources.clear();
    _parameters.clear();
    _parameterIndex.clear();
    _uiGroups.clear();
    _kernels.clear();
    _identityConditions.clear();
    _pipelines.clear();
    _effectExecutions.clear();
    _overlays.clear();
    _overlayCoordSystem = OverlayCoordSystem::uv;
    _lastError.clear();
    _lastErrorOffset = -1;
}

void XMLEffectDefinition::fail(const std::string& message, std::ptrdiff_t offset) {
    _lastError = message;
    _lastErrorOffset = offset;
}

bool XMLEffectDefinition::parseFromEmbeddedXML(const char* text) {
    reset();
    Logger* log = Logger::getInstance();
    log->logMessage(LogLevel::Info, "Parsing XML from embedded string");
    if (text == nullptr) {
        log->logMessage(LogLevel::Error, "Embedded XML content is null");
        fail("Embedded XML content is null");
        return false;
    }

    _document = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result result = _document->load_string(text);
    if (!result) {
        log->logMessage(LogLevel::Error, "Failed to parse embedded XML: %s", result.description());
        fail(result.description(), result.offset);
        return false;
    }

    const pugi::xml_node effect = _document->child("effect");
    if (!effect) {
        log->logMessage(LogLevel::Error, "Embedded XML does not contain an effect element");
        fail("Embedded XML does not contain an effect element");
        return false;
    }

    try {
        parseMetadata(effect);
        if (const pugi::xml_node inputs = effect.child("inputs")) {
            parseInputs(inputs);
        }
        if (const pugi::xml_node resources = effect.child("resources")) {
            parseResources(resources);
        }
        // Parameters come first whatever the document order: the later
        // sections check their references against them.
        if (const pugi::xml_node parameters = effect.child("parameters")) {
            parseParameters(parameters);
        }
        if (const pugi::xml_node ui = effect.child("ui")) {
            parseUI(ui);
        }
        const pugi::xml_node pipeline = effect.child("pipeline");
        if (!pipeline) {
            throw std::runtime_error(
                "Effect must have a <pipeline> section with <process> children");
        }
        parsePipeline(pipeline);
        log->logMessage(LogLevel::Info, "Parsed %zu processes from <pipeline> section",
                        _pipelines.size());
        if (const pugi::xml_node conditions = effect.child("identity_conditions")) {
            parseIdentityConditions(conditions);
        }
        if (const pugi::xml_node overlays = effect.child("overlays")) {
            parseOverlays(overlays);
        }
    } catch (const std::exception& e) {
        log->logMessage(LogLevel::Error, "Failed to parse embedded XML: %s", e.what());
        fail(e.what());
        return false;
    }

    log->logMessage(LogLevel::Info, "Embedded XML parsed successfully: effect '%s'", _name.c_str());
    log->logMessage(LogLevel::Info, "Debug level from embedded XML: %s", _debugLevel.c_str());
    return true;
}

const XMLEffectDefinition::ParameterDef& XMLEffectDefinition::getParameter(
    const std::string& name) const {
    const auto found = _parameterIndex.find(name);
    if (found == _parameterIndex.end()) {
        throw std::out_of_range("Parameter not found: " + name);
    }
    return _parameters[found->second];
}

std::vector<XMLEffectDefinition::KernelDef> XMLEffectDefinition::getKernelsForPlatform(
    const std::string& platform) const {
    std::vector<KernelDef> kernels;
    for (const KernelDef& kernel : _kernels) {
        if (kernel.platform == platform) {
            kernels.push_back(kernel);
        }
    }
    return kernels;
}

int XMLEffectDefinition::getTotalPasses(const std::string& platform) const {
    const std::vector<KernelDef> kernels = getKernelsForPlatform(platform);
    int passes = 0;
    for (const KernelDef& kernel : kernels) {
        passes += kernel.executions;
    }
    Logger::getInstance()->logMessage(LogLevel::Debug,
                                      "Effect '%s' on %s: %d total passes across %zu kernels",
                                      _name.c_str(), platform.c_str(), passes, kernels.size());
    return passes;
}

int XMLEffectDefinition::getTotalKernels(const std::string& platform) const {
    return static_cast<int>(getKernelsForPlatform(platform).size());
}

int XMLEffectDefinition::noInputModeToInt(const std::string& mode) {
    if (mode == "error") {
        return 0;
    }
    if (mode == "black") {
        return 1;
    }
    if (mode == "transparent") {
        return 3;
    }
    // "white" and every unknown mode.
    return 2;
}
