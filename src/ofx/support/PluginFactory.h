#pragma once

#include <memory>
#include <string>

#include "ofx/api/ofx_core.h"
#include "ofx/support/ContextEnum.h"
#include "ofx/support/ImageEffectDescriptor.h"

namespace OFX {

class ImageEffect;

// One effect a plug-in binary offers. The support layer routes the host's
// actions to it; anything it throws becomes an OFX status for the host.
// Factories are owned by the plug-in and must outlive every host call.
class PluginFactory {
  public:
    PluginFactory() = default;
    PluginFactory(const PluginFactory&) = delete;
    PluginFactory& operator=(const PluginFactory&) = delete;

    // After the host suites are fetched / before they are dropped.
    virtual void load() {}
    virtual void unload() {}
    // Effect-level properties, once per descriptor.
    virtual void describe(ImageEffectDescriptor& desc) = 0;
    // Clips and parameters, once for every context the host asks for.
    virtual void describeInContext(ImageEffectDescriptor& desc, ContextEnum context) = 0;
    // A new instance for the host's instance `handle` in `context`. A factory
    // that makes no instances keeps this default, which fails the action.
    virtual std::unique_ptr<ImageEffect> createInstance(OfxImageEffectHandle handle,
                                                        ContextEnum context);

    virtual const std::string& getID() const = 0;
    // Identifier and version together: what tells two factories apart.
    virtual const std::string& getUID() const = 0;
    virtual unsigned int getMajorVersion() const = 0;
    virtual unsigned int getMinorVersion() const = 0;
    // The entry point the host calls with this effect's actions.
    virtual OfxPluginEntryPoint* getMainEntry() const = 0;

    virtual ~PluginFactory() = default;
};

}  // namespace OFX
