#include "plugin/GenericEffectFactory.h"

#include <iostream>
#include <stdexcept>

#include "definition/EmbeddedXml.h"
#include "effect/GenericEffect.h"
#include "gpu/CudaContext.h"
#include "plugin/EffectDefinitionRegistry.h"
#include "plugin/FrameworkParameters.h"
#include "plugin/XMLInputManager.h"
#include "plugin/XMLParameterManager.h"
#include "util/Logger.h"

namespace {

constexpr unsigned int PLUGIN_VERSION_MAJOR = 1;
constexpr unsigned int PLUGIN_VERSION_MINOR = 0;

}  // namespace

GenericEffectFactory::GenericEffectFactory(const std::string& xmlPath)
    : PluginFactoryHelper(generatePluginIdentifier(xmlPath), PLUGIN_VERSION_MAJOR,
                          PLUGIN_VERSION_MINOR),
      _xmlFilePath(xmlPath) {
    Logger* log = Logger::getInstance();
    log->logMessage("GenericEffectFactory::constructor started");
    if (!_definition.parseFromEmbeddedXML(EMBEDDED_XML)) {
        // The parser has logged the cause.
        throw std::runtime_error("Failed to parse embedded XML");
    }
    log->logMessage(LogLevel::Info, "Loaded XML from embedded binary (release build)");

    const std::string debugLevel = _definition.getDebugLevel();
    if (!debugLevel.empty() && debugLevel != "none") {
        log->setDebugLevel(debugLevel);
        log->logMessage(LogLevel::Info, "Debug level set from XML: %s", debugLevel.c_str());
    }

    _pluginIdentifier = generatePluginIdentifier(xmlPath);
    const std::string name = _definition.getName();
    EffectDefinitionRegistry::registerDefinition(name, &_definition);
    log->logMessage(LogLevel::Debug,
                    "Registered XML definition for '%s' with EffectDefinitionRegistry",
                    name.c_str());
    log->logMessage("GenericEffectFactory::constructor finishing");
}

void GenericEffectFactory::describe(OFX::ImageEffectDescriptor& desc) {
    Logger* log = Logger::getInstance();
    const std::string name = _definition.getName();
    // At the Error level so that it is written whatever the level.
    log->logMessage(LogLevel::Error, "🔵 GenericEffectFactory::describe called for '%s'",
                    name.c_str());
    log->logMessage("  Plugin identifier: %s", _pluginIdentifier.c_str());
    log->logMessage("  Effect name from XML: %s", name.c_str());

    setupBasicProperties(desc);
    desc.setPluginDescription(_definition.getDescription());
    desc.setPluginGrouping(_definition.getCategory());
    desc.setLabel(name);
    setupGpuSupport(desc);
    warmUpCudaContext();

    log->logMessage(LogLevel::Info, "GenericEffectFactory::describe completed successfully");
}

void GenericEffectFactory::describeInContext(OFX::ImageEffectDescriptor& desc, OFX::ContextEnum) {
    // Every context gets the same clips and parameters.
    Logger* log = Logger::getInstance();
    log->logMessage("GenericEffectFactory::describeInContext called");
    try {
        const XMLInputManager inputs;
        XMLInputManager::BorderModeMap borderModes;
        if (inputs.createInputs(_definition, desc, borderModes)) {
            log->logMessage(LogLevel::Info, "✓ XML clips created successfully!");
        } else {
            log->logMessage("XML clips failed, falling back to manual clips");
            inputs.createFallbackClips(desc);
            log->logMessage("✓ Fallback manual clips created");
        }

        const XMLParameterManager params;
        XMLParameterManager::PageMap pages;
        const std::string pageName = FrameworkParameters::controlsPageName(_definition);
        pages[pageName] = &params.createPage(pageName, desc);

        FrameworkParameters::definePresetSection(desc);
        log->logMessage(LogLevel::Info, "✓ Presets & Help section added (hardcoded)");

        if (!params.createParameters(_definition, desc, pages)) {
            throw std::runtime_error("Failed to create parameters from XML");
        }
        if (!params.organizeUI(_definition, desc, pages)) {
            throw std::runtime_error("Failed to organize UI from XML");
        }
        log->logMessage(LogLevel::Info, "✓ XML effect parameters (middle section) added");

        FrameworkParameters::defineGlobalBlend(desc);
        log->logMessage(LogLevel::Info, "✓ Global Blend parameter added");
    } catch (const std::exception& error) {
        log->logMessage("✗ GenericEffectFactory::describeInContext failed: %s", error.what());
        throw;
    }
    log->logMessage(LogLevel::Info, "✓ XML parameters created successfully");
    log->logMessage(LogLevel::Info,
                    "GenericEffectFactory::describeInContext completed successfully");
}

std::unique_ptr<OFX::ImageEffect> GenericEffectFactory::createInstance(OfxImageEffectHandle handle,
                                                                       OFX::ContextEnum) {
    std::cerr << "🏭 GenericEffectFactory::createInstance called" << std::endl;
    Logger* log = Logger::getInstance();
    log->logMessage("GenericEffectFactory::createInstance called");
    log->logMessage("  Factory XML file: %s", _xmlFilePath.c_str());
    return std::make_unique<GenericEffect>(handle, _xmlFilePath);
}

std::string GenericEffectFactory::generatePluginIdentifier(const std::string& xmlPath) {
    std::string stem = xmlPath;
    const std::size_t separator = stem.find_last_of("/\\");
    if (separator != std::string::npos) {
        stem.erase(0, separator + 1);
    }
    const std::size_t dot = stem.find_last_of('.');
    if (dot != std::string::npos) {
        stem.erase(dot);
    }
    return IDENTIFIER_PREFIX + stem;
}

void GenericEffectFactory::setupBasicProperties(OFX::ImageEffectDescriptor& desc) {
    desc.setSupportedContexts({OFX::ContextEnum::Filter, OFX::ContextEnum::General});
    desc.setSupportedBitDepths({OFX::BitDepthEnum::Float});
    desc.setSingleInstance(false);
    desc.setHostFrameThreading(false);
    desc.setSupportsMultiResolution(false);
    desc.setSupportsTiles(false);
    desc.setTemporalClipAccess(false);
    desc.setRenderTwiceAlways(false);
    desc.setSupportsMultipleClipPARs(false);
    desc.setNoSpatialAwareness(false);
}

void GenericEffectFactory::setupGpuSupport(OFX::ImageEffectDescriptor& desc) {
    Logger* log = Logger::getInstance();
    log->logMessage("About to set GPU support flags");
    // CUDA is offered only by a build that carries the CUDA back-end.
    const bool cuda = cudaBackendCompiledIn();
    if (cuda) {
        log->logMessage("Windows/Linux detected - setting CUDA flags");
    }
    desc.setCudaRenderSupported(cuda);
    desc.setCudaStreamSupported(cuda);
    log->logMessage(cuda ? "CUDA support enabled with stream support"
                         : "CUDA support disabled: CUDA back-end not compiled in");
    // Nothing renders through OpenCL, so it is never offered.
    desc.setOpenCLRenderSupported(false);
    log->logMessage("OpenCL support disabled: no OpenCL renderer");
    log->logMessage("GPU support setup complete");
}
