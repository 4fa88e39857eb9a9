#include "ofx/support/ActionArguments.h"

#include <string>

#include "ofx/api/ofx_gpu_render.h"
#include "ofx/api/ofx_image_effect.h"
#include "ofx/support/SuiteError.h"

namespace OFX::Private {

namespace {

// `read()`, or `fallback` when the host did not provide the property.
template <class T, class Read>
T optional(T fallback, Read&& read) {
    try {
        return read();
    } catch (const SuiteError&) {
        return fallback;
    }
}

OfxPointD readRenderScale(const PropertySet& inArgs) {
    return optional(OfxPointD{1.0, 1.0}, [&] {
        return OfxPointD{inArgs.getDouble(kOfxImageEffectPropRenderScale, 0),
                         inArgs.getDouble(kOfxImageEffectPropRenderScale, 1)};
    });
}

OfxRectI readRenderWindow(const PropertySet& inArgs) {
    return optional(OfxRectI{0, 0, 0, 0}, [&] {
        return OfxRectI{inArgs.getInt(kOfxImageEffectPropRenderWindow, 0),
                        inArgs.getInt(kOfxImageEffectPropRenderWindow, 1),
                        inArgs.getInt(kOfxImageEffectPropRenderWindow, 2),
                        inArgs.getInt(kOfxImageEffectPropRenderWindow, 3)};
    });
}

bool readFlag(const PropertySet& inArgs, const char* name) {
    return optional(false, [&] { return inArgs.getInt(name) != 0; });
}

InstanceChangeReason reasonFromName(const std::string& name) {
    if (name == kOfxChangePluginEdited) {
        return InstanceChangeReason::PluginEdit;
    }
    if (name == kOfxChangeTime) {
        return InstanceChangeReason::Time;
    }
    return InstanceChangeReason::UserEdit;
}

}  // namespace

InstanceChangedArgs readInstanceChangedArgs(const PropertySet& inArgs) {
    InstanceChangedArgs args;
    args.time = inArgs.getDouble(kOfxPropTime);
    args.reason = reasonFromName(
        optional(std::string(), [&] { return inArgs.getString(kOfxPropChangeReason); }));
    args.renderScale = readRenderScale(inArgs);
    return args;
}

IsIdentityArguments readIsIdentityArguments(const PropertySet& inArgs) {
    IsIdentityArguments args;
    args.time = inArgs.getDouble(kOfxPropTime);
    args.renderWindow = readRenderWindow(inArgs);
    args.renderScale = readRenderScale(inArgs);
    return args;
}

RenderArguments readRenderArguments(const PropertySet& inArgs) {
    RenderArguments args;
    args.time = inArgs.getDouble(kOfxPropTime);
    args.renderWindow = readRenderWindow(inArgs);
    args.renderScale = readRenderScale(inArgs);
    args.isEnabledOpenCLRender = readFlag(inArgs, kOfxImageEffectPropOpenCLEnabled);
    args.isEnabledCudaRender = readFlag(inArgs, kOfxImageEffectPropCudaEnabled);
    args.isEnabledMetalRender = readFlag(inArgs, kOfxImageEffectPropMetalEnabled);
    args.pCudaStream =
        optional<void*>(nullptr, [&] { return inArgs.getPointer(kOfxImageEffectPropCudaStream); });
    return args;
}

}  // namespace OFX::Private
