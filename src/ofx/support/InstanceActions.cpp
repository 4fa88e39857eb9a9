#include "ofx/support/InstanceActions.h"

#include <map>
#include <memory>
#include <mutex>
#include <optional>

#include "ofx/api/ofx_image_effect.h"
#include "ofx/support/ActionArguments.h"
#include "ofx/support/ImageEffect.h"
#include "ofx/support/PluginFactory.h"
#include "ofx/support/PropertySet.h"
#include "ofx/support/SuiteError.h"
#include "ofx/support/Suites.h"
#include "util/Logger.h"

namespace OFX::Private {

namespace {

// Live instances by handle. Shared, so that an action still running on one
// thread keeps its instance alive while another thread destroys it.
std::mutex gInstancesMutex;
std::map<OfxImageEffectHandle, std::shared_ptr<ImageEffect>> gInstances;

std::shared_ptr<ImageEffect> findInstance(OfxImageEffectHandle handle) {
    std::lock_guard<std::mutex> lock(gInstancesMutex);
    const auto found = gInstances.find(handle);
    return found == gInstances.end() ? nullptr : found->second;
}

PropertySet requiredArguments(OfxPropertySetHandle arguments, const std::string& action) {
    if (arguments == nullptr) {
        throw SuiteError(kOfxStatErrBadHandle, action + " without its arguments");
    }
    return PropertySet(arguments);
}

// The instance's context. Every host should set it; where one does not, the
// general context, which assumes the least, stands in.
ContextEnum instanceContext(OfxImageEffectHandle handle) {
    std::string name;
    try {
        OfxPropertySetHandle properties = nullptr;
        const auto& get = suiteFunction(imageEffectSuite().getPropertySet, "getPropertySet");
        if (get(handle, &properties) == kOfxStatOK && properties != nullptr) {
            name = PropertySet(properties).getString(kOfxImageEffectPropContext);
        }
    } catch (const SuiteError&) {
    }
    const std::optional<ContextEnum> context = contextFromName(name);
    if (!context) {
        Logger::getInstance()->logMessage(
            LogLevel::Error, "Instance has no known context ('%s'); using the general context",
            name.c_str());
        return ContextEnum::General;
    }
    return *context;
}

OfxStatus createInstance(PluginFactory& factory, OfxImageEffectHandle handle) {
    if (handle == nullptr) {
        throw SuiteError(kOfxStatErrBadHandle, "Create instance without an instance handle");
    }
    std::shared_ptr<ImageEffect> instance = factory.createInstance(handle, instanceContext(handle));
    if (!instance) {
        throw SuiteError(kOfxStatFailed, factory.getID() + " made no instance");
    }
    std::lock_guard<std::mutex> lock(gInstancesMutex);
    gInstances[handle] = std::move(instance);
    return kOfxStatOK;
}

OfxStatus destroyInstance(OfxImageEffectHandle handle) {
    std::shared_ptr<ImageEffect> instance;
    {
        std::lock_guard<std::mutex> lock(gInstancesMutex);
        const auto found = gInstances.find(handle);
        if (found == gInstances.end()) {
            return kOfxStatOK;  // nothing to free
        }
        instance = std::move(found->second);
        gInstances.erase(found);
    }
    // The instance goes here, outside the lock, unless an action still runs on it.
    instance.reset();
    return kOfxStatOK;
}

OfxStatus instanceChanged(ImageEffect& instance, OfxPropertySetHandle inArgs) {
    const PropertySet arguments = requiredArguments(inArgs, kOfxActionInstanceChanged);
    if (arguments.getString(kOfxPropType) != kOfxTypeParameter) {
        return kOfxStatReplyDefault;  // clip changes need nothing from the instance
    }
    instance.changedParam(readInstanceChangedArgs(arguments), arguments.getString(kOfxPropName));
    return kOfxStatOK;
}

OfxStatus isIdentity(ImageEffect& instance, OfxPropertySetHandle inArgs,
                     OfxPropertySetHandle outArgs) {
    const IsIdentityArguments arguments =
        readIsIdentityArguments(requiredArguments(inArgs, kOfxImageEffectActionIsIdentity));
    Clip* clip = nullptr;
    double time = arguments.time;
    if (!instance.isIdentity(arguments, clip, time)) {
        return kOfxStatReplyDefault;
    }
    if (clip == nullptr) {
        // The host could only pass through a clip without a name: render instead.
        Logger::getInstance()->logMessage(
            LogLevel::Error, "Identity without a clip to pass through - rendering instead");
        return kOfxStatReplyDefault;
    }
    const PropertySet results = requiredArguments(outArgs, kOfxImageEffectActionIsIdentity);
    results.setString(kOfxPropName, clip->getName());
    results.setDouble(kOfxPropTime, time);
    return kOfxStatOK;
}

OfxStatus render(ImageEffect& instance, OfxPropertySetHandle inArgs) {
    instance.render(readRenderArguments(requiredArguments(inArgs, kOfxImageEffectActionRender)));
    return kOfxStatOK;
}

}  // namespace

std::optional<OfxStatus> dispatchInstanceAction(PluginFactory& factory, const std::string& action,
                                                OfxImageEffectHandle handle,
                                                OfxPropertySetHandle inArgs,
                                                OfxPropertySetHandle outArgs) {
    if (action == kOfxActionCreateInstance) {
        return createInstance(factory, handle);
    }
    if (action == kOfxActionDestroyInstance) {
        return destroyInstance(handle);
    }
    const bool instanceAction =
        action == kOfxActionBeginInstanceChanged || action == kOfxActionInstanceChanged ||
        action == kOfxActionEndInstanceChanged || action == kOfxImageEffectActionIsIdentity ||
        action == kOfxImageEffectActionRender;
    if (!instanceAction) {
        return std::nullopt;
    }
    const std::shared_ptr<ImageEffect> instance = findInstance(handle);
    if (!instance) {
        return kOfxStatReplyDefault;
    }
    if (action == kOfxActionInstanceChanged) {
        return instanceChanged(*instance, inArgs);
    }
    if (action == kOfxImageEffectActionIsIdentity) {
        return isIdentity(*instance, inArgs, outArgs);
    }
    if (action == kOfxImageEffectActionRender) {
        return render(*instance, inArgs);
    }
    // Begin and end of a group of changes: nothing to prepare or finish.
    return kOfxStatReplyDefault;
}

}  // namespace OFX::Private
