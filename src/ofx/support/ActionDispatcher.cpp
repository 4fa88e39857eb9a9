#include "ofx/support/ActionDispatcher.h"

#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "ofx/api/ofx_image_effect.h"
#include "ofx/support/ExceptionBoundary.h"
#include "ofx/support/ImageEffectDescriptor.h"
#include "ofx/support/ImageEffectHostDescription.h"
#include "ofx/support/InstanceActions.h"
#include "ofx/support/PluginFactory.h"
#include "ofx/support/PropertySet.h"
#include "ofx/support/SuiteError.h"
#include "ofx/support/Suites.h"
#include "util/Logger.h"

namespace OFX::Private {

namespace {

// Loaded plug-ins of this binary: the suites stay fetched while any is loaded.
int gLoadCount = 0;

// The tiles value each factory set in describe. Some hosts read it only from
// the describe-in-context descriptor, so it is repeated there.
std::mutex gDescribedTilesMutex;
std::map<const PluginFactory*, std::optional<bool>> gDescribedTiles;

void load(PluginFactory& factory) {
    if (gLoadCount == 0) {
        fetchSuites();
        readHostDescription();
    }
    try {
        factory.load();
    } catch (...) {
        if (gLoadCount == 0) {
            releaseSuites();
        }
        throw;
    }
    ++gLoadCount;
}

void unload(PluginFactory& factory) {
    // The suites go with the last plug-in, even when its unload throws.
    struct ReleaseOnExit {
        ~ReleaseOnExit() {
            if (gLoadCount > 0 && --gLoadCount == 0) {
                releaseSuites();
            }
        }
    } release;
    factory.unload();
}

void describe(PluginFactory& factory, OfxImageEffectHandle handle) {
    ImageEffectDescriptor descriptor(handle);
    factory.describe(descriptor);
    std::lock_guard<std::mutex> lock(gDescribedTilesMutex);
    gDescribedTiles[&factory] = descriptor.getSupportsTilesSet();
}

void describeInContext(PluginFactory& factory, OfxImageEffectHandle handle,
                       OfxPropertySetHandle inArgs) {
    if (inArgs == nullptr) {
        throw SuiteError(kOfxStatErrBadHandle, "Describe in context without arguments");
    }
    const std::string name = PropertySet(inArgs).getString(kOfxImageEffectPropContext);
    const std::optional<ContextEnum> context = contextFromName(name);
    if (!context) {
        // Tells the host to skip this context rather than the whole effect.
        throw SuiteError(kOfxStatErrMissingHostFeature, "Unknown context '" + name + "'");
    }
    ImageEffectDescriptor descriptor(handle);
    std::optional<bool> tiles;
    {
        std::lock_guard<std::mutex> lock(gDescribedTilesMutex);
        tiles = gDescribedTiles[&factory];
    }
    if (tiles) {
        descriptor.setSupportsTiles(*tiles);
    }
    factory.describeInContext(descriptor, *context);
}

OfxStatus dispatch(PluginFactory& factory, const std::string& action, OfxImageEffectHandle handle,
                   OfxPropertySetHandle inArgs, OfxPropertySetHandle outArgs) {
    if (action == kOfxActionLoad) {
        load(factory);
        return kOfxStatOK;
    }
    if (action == kOfxActionUnload) {
        unload(factory);
        return kOfxStatOK;
    }
    if (action == kOfxActionDescribe) {
        describe(factory, handle);
        return kOfxStatOK;
    }
    if (action == kOfxImageEffectActionDescribeInContext) {
        describeInContext(factory, handle, inArgs);
        return kOfxStatOK;
    }
    if (const std::optional<OfxStatus> status =
            dispatchInstanceAction(factory, action, handle, inArgs, outArgs)) {
        return *status;
    }
    return kOfxStatReplyDefault;
}

}  // namespace

OfxStatus dispatchAction(PluginFactory* factory, const char* action, const void* handle,
                         OfxPropertySetHandle inArgs, OfxPropertySetHandle outArgs) noexcept {
    if (action == nullptr) {
        return kOfxStatErrValue;
    }
    return runGuarded(action, [&] {
        if (factory == nullptr) {
            throw SuiteError(kOfxStatErrBadHandle, "The plug-in's factory no longer exists");
        }
        Logger::getInstance()->logMessage("OFX action %s on %s", action, factory->getID().c_str());
        // Every action handled here comes with an image effect handle, or none.
        const auto effect = static_cast<OfxImageEffectHandle>(const_cast<void*>(handle));
        return dispatch(*factory, action, effect, inArgs, outArgs);
    });
}

}  // namespace OFX::Private
