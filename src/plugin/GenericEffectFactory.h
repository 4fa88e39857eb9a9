#pragma once

#include <memory>
#include <string>

#include "definition/XMLEffectDefinition.h"
#include "ofx/support/PluginFactoryHelper.h"

// The factory of the one effect this plug-in offers: owns the effect's parsed
// definition and turns it into what the host is told in the describe actions.
class GenericEffectFactory : public OFX::PluginFactoryHelper<GenericEffectFactory> {
  public:
    // Reverse-domain prefix of every identifier built from this framework.
    static constexpr char IDENTIFIER_PREFIX[] = "org.ofxfw.";

    // Parses the embedded definition and registers it under its name. Throws
    // std::runtime_error when the definition cannot be parsed.
    explicit GenericEffectFactory(const std::string& xmlPath);

    void describe(OFX::ImageEffectDescriptor& desc) override;
    void describeInContext(OFX::ImageEffectDescriptor& desc, OFX::ContextEnum context) override;
    // A GenericEffect for the host's instance; the context does not matter.
    std::unique_ptr<OFX::ImageEffect> createInstance(OfxImageEffectHandle handle,
                                                     OFX::ContextEnum context) override;

    // The prefix followed by the definition file's name without its directory
    // and its last extension.
    static std::string generatePluginIdentifier(const std::string& xmlPath);
    // Contexts, pixel depths and the capability flags every effect shares.
    static void setupBasicProperties(OFX::ImageEffectDescriptor& desc);

    const std::string& getPluginIdentifier() const { return _pluginIdentifier; }

  private:
    static void setupGpuSupport(OFX::ImageEffectDescriptor& desc);

    XMLEffectDefinition _definition;
    std::string _xmlFilePath;
    std::string _pluginIdentifier;
};
