#include "EffectProperties.h"

#include "ofx/api/ofx_api.h"

namespace ofxhost {

namespace {

constexpr int kVariable = Property::kVariable;

// What this host gives every instance: an HD project of one frame at 24 fps.
constexpr double kProjectWidth = 1920.0;
constexpr double kProjectHeight = 1080.0;
constexpr double kFrameRate = 24.0;

}  // namespace

void defineEffectDescriptorProperties(PropertySet& set, const HostOptions& options,
                                      const std::string& bundlePath) {
    set.addString(kOfxPropType, {kOfxTypeImageEffect})
        .addString(kOfxPropLabel, {""})
        .addString(kOfxPropShortLabel, {""})
        .addString(kOfxPropLongLabel, {""})
        .addInt(kOfxPropVersion, {0}, kVariable)
        .addString(kOfxPropVersionLabel, {""})
        .addString(kOfxPropPluginDescription, {""})
        .addString(kOfxImageEffectPropSupportedContexts, {}, kVariable)
        .addString(kOfxImageEffectPluginPropGrouping, {""})
        .addInt(kOfxImageEffectPluginPropSingleInstance, {0})
        .addString(kOfxImageEffectPluginRenderThreadSafety, {kOfxImageEffectRenderInstanceSafe})
        .addInt(kOfxImageEffectPluginPropHostFrameThreading, {1})
        .addPointer(kOfxImageEffectPluginPropOverlayInteractV1, {nullptr})
        .addString(kOfxImageEffectPropOpenCLSupported, {"false"})
        .addInt(kOfxImageEffectPropSupportsMultiResolution, {1})
        .addInt(kOfxImageEffectPropSupportsTiles, {1})
        .addInt(kOfxImageEffectPropTemporalClipAccess, {0})
        .addString(kOfxImageEffectPropSupportedPixelDepths, {}, kVariable)
        .addInt(kOfxImageEffectPluginPropFieldRenderTwiceAlways, {1})
        .addInt(kOfxImageEffectPropSupportsMultipleClipDepths, {0})
        .addInt(kOfxImageEffectPropSupportsMultipleClipPARs, {0})
        .addString(kOfxImageEffectPropClipPreferencesSlaveParam, {}, kVariable)
        .addString(kOfxImageEffectPropOpenGLRenderSupported, {"false"})
        .addString(kOfxImageEffectPropCPURenderSupported, {"true"})
        .addString(kOfxPluginPropFilePath, {bundlePath})
        .addString(kOfxOpenGLPropPixelDepth, {}, kVariable)
        .addString(kOfxImageEffectPropColourManagementAvailableConfigs, {}, kVariable)
        .addString(kOfxImageEffectPropColourManagementStyle, {kOfxImageEffectColourManagementNone})
        .addString(kOfxImageEffectPropNoSpatialAwareness, {"false"})
        .addInt(kOfxImageEffectInstancePropSequentialRender, {0})
        .addString(kOfxImageEffectPropCudaRenderSupported, {"false"})
        .addString(kOfxImageEffectPropCudaStreamSupported, {"false"})
        .addString(kOfxImageEffectPropMetalRenderSupported, {"false"})
        .addString(kOfxImageEffectPropOpenCLRenderSupported, {"false"});
    if (options.overlayInteractV2) {
        set.addPointer(kOfxImageEffectPluginPropOverlayInteractV2, {nullptr});
    }
}

void defineEffectInstanceProperties(PropertySet& set, const std::string& context,
                                    void* descriptorHandle) {
    set.addString(kOfxPropType, {kOfxTypeImageEffectInstance})
        .addString(kOfxImageEffectPropContext, {context})
        .addPointer(kOfxPropInstanceData, {nullptr})
        .addDouble(kOfxImageEffectPropProjectSize, {kProjectWidth, kProjectHeight})
        .addDouble(kOfxImageEffectPropProjectOffset, {0.0, 0.0})
        .addDouble(kOfxImageEffectPropProjectExtent, {kProjectWidth, kProjectHeight})
        .addDouble(kOfxImageEffectPropProjectPixelAspectRatio, {1.0})
        .addDouble(kOfxImageEffectInstancePropEffectDuration, {1.0})
        .addInt(kOfxImageEffectInstancePropSequentialRender, {0})
        .addInt(kOfxImageEffectPropSupportsTiles, {1})
        .addString(kOfxImageEffectPropOpenGLRenderSupported, {"false"})
        .addString(kOfxImageEffectPropCPURenderSupported, {"true"})
        .addDouble(kOfxImageEffectPropFrameRate, {kFrameRate})
        .addInt(kOfxPropIsInteractive, {0})
        .addString(kOfxImageEffectPropOCIOConfig, {""})
        .addString(kOfxImageEffectPropOCIODisplay, {""})
        .addString(kOfxImageEffectPropOCIOView, {""})
        .addString(kOfxImageEffectPropColourManagementConfig, {""})
        .addString(kOfxImageEffectPropColourManagementStyle, {kOfxImageEffectColourManagementNone})
        .addString(kOfxImageEffectPropDisplayColourspace, {""})
        .addPointer(kOfxImageEffectPropPluginHandle, {descriptorHandle});
    // An instance's parameter set shares the instance's property set.
    defineParamSetProperties(set);
}

void defineParamSetProperties(PropertySet& set) {
    set.addInt(kOfxPropParamSetNeedsSyncing, {0})
        .addString(kOfxPluginPropParamPageOrder, {}, kVariable);
}

void defineClipDescriptorProperties(PropertySet& set, const std::string& name) {
    set.addString(kOfxPropType, {kOfxTypeClip})
        .addString(kOfxPropName, {name})
        .addString(kOfxPropLabel, {name})
        .addString(kOfxPropShortLabel, {name})
        .addString(kOfxPropLongLabel, {name})
        .addString(kOfxImageEffectPropSupportedComponents, {}, kVariable)
        .addInt(kOfxImageEffectPropTemporalClipAccess, {0})
        .addInt(kOfxImageClipPropOptional, {0})
        .addString(kOfxImageClipPropFieldExtraction, {kOfxImageFieldDoubled})
        .addInt(kOfxImageClipPropIsMask, {0})
        .addInt(kOfxImageEffectPropSupportsTiles, {1});
}

void defineClipInstanceProperties(PropertySet& set, bool connected) {
    const char* components = connected ? kOfxImageComponentRGBA : kOfxImageComponentNone;
    const char* depth = connected ? kOfxBitDepthFloat : kOfxBitDepthNone;
    set.addString(kOfxImageClipPropColourspace, {""})
        .addString(kOfxImageClipPropPreferredColourspaces, {}, kVariable)
        .addString(kOfxImageEffectPropPixelDepth, {depth})
        .addString(kOfxImageEffectPropComponents, {components})
        .addString(kOfxImageClipPropUnmappedPixelDepth, {depth})
        .addString(kOfxImageClipPropUnmappedComponents, {components})
        .addString(kOfxImageEffectPropPreMultiplication, {kOfxImagePreMultiplied})
        .addDouble(kOfxImagePropPixelAspectRatio, {1.0})
        .addDouble(kOfxImageEffectPropFrameRate, {kFrameRate})
        .addDouble(kOfxImageEffectPropFrameRange, {0.0, 0.0})
        .addString(kOfxImageClipPropFieldOrder, {kOfxImageFieldNone})
        .addInt(kOfxImageClipPropConnected, {connected ? 1 : 0})
        .addDouble(kOfxImageEffectPropUnmappedFrameRange, {0.0, 0.0})
        .addDouble(kOfxImageEffectPropUnmappedFrameRate, {kFrameRate})
        .addInt(kOfxImageClipPropContinuousSamples, {0});
}

OfxRectD projectRegion() {
    return {0.0, 0.0, kProjectWidth, kProjectHeight};
}

void defineInteractDescriptorProperties(PropertySet& set) {
    set.addInt(kOfxInteractPropHasAlpha, {0}).addInt(kOfxInteractPropBitDepth, {8});
}

}  // namespace ofxhost
