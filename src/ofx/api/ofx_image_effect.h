#pragma once

// The image-effect API: handles, the image effect suite, its actions,
// descriptor/instance/clip/image/render-argument properties and their values.

#include <cstddef>

#include "ofx/api/ofx_core.h"
#include "ofx/api/ofx_param.h"

inline constexpr char kOfxImageEffectSuite[] = "OfxImageEffectSuite";

extern "C" {

typedef struct OfxImageEffectStruct* OfxImageEffectHandle;
typedef struct OfxImageClipStruct* OfxImageClipHandle;
typedef struct OfxImageMemoryStruct* OfxImageMemoryHandle;

typedef struct OfxImageEffectSuiteV1 {
    OfxStatus (*getPropertySet)(OfxImageEffectHandle imageEffect, OfxPropertySetHandle* propHandle);
    OfxStatus (*getParamSet)(OfxImageEffectHandle imageEffect, OfxParamSetHandle* paramSet);
    OfxStatus (*clipDefine)(OfxImageEffectHandle imageEffect, const char* name,
                            OfxPropertySetHandle* propertySet);
    OfxStatus (*clipGetHandle)(OfxImageEffectHandle imageEffect, const char* name,
                               OfxImageClipHandle* clip, OfxPropertySetHandle* propertySet);
    OfxStatus (*clipGetPropertySet)(OfxImageClipHandle clip, OfxPropertySetHandle* propHandle);
    OfxStatus (*clipGetImage)(OfxImageClipHandle clip, OfxTime time, const OfxRectD* region,
                              OfxPropertySetHandle* imageHandle);
    OfxStatus (*clipReleaseImage)(OfxPropertySetHandle imageHandle);
    OfxStatus (*clipGetRegionOfDefinition)(OfxImageClipHandle clip, OfxTime time, OfxRectD* bounds);
    int (*abort)(OfxImageEffectHandle imageEffect);
    OfxStatus (*imageMemoryAlloc)(OfxImageEffectHandle instanceHandle, size_t nBytes,
                                  OfxImageMemoryHandle* memoryHandle);
    OfxStatus (*imageMemoryFree)(OfxImageMemoryHandle memoryHandle);
    OfxStatus (*imageMemoryLock)(OfxImageMemoryHandle memoryHandle, void** returnedPtr);
    OfxStatus (*imageMemoryUnlock)(OfxImageMemoryHandle memoryHandle);
} OfxImageEffectSuiteV1;

}  // extern "C"

inline constexpr OfxStatus kOfxStatErrImageFormat = 1000;

inline constexpr char kOfxImageEffectPluginApi[] = "OfxImageEffectPluginAPI";
inline constexpr int kOfxImageEffectPluginApiVersion = 1;

// Image effect actions.
inline constexpr char kOfxImageEffectActionDescribeInContext[] =
    "OfxImageEffectActionDescribeInContext";
inline constexpr char kOfxImageEffectActionGetRegionOfDefinition[] =
    "OfxImageEffectActionGetRegionOfDefinition";
inline constexpr char kOfxImageEffectActionGetRegionsOfInterest[] =
    "OfxImageEffectActionGetRegionsOfInterest";
inline constexpr char kOfxImageEffectActionGetFramesNeeded[] =
    "OfxImageEffectActionGetFramesNeeded";
inline constexpr char kOfxImageEffectActionGetClipPreferences[] =
    "OfxImageEffectActionGetClipPreferences";
inline constexpr char kOfxImageEffectActionIsIdentity[] = "OfxImageEffectActionIsIdentity";
inline constexpr char kOfxImageEffectActionRender[] = "OfxImageEffectActionRender";
inline constexpr char kOfxImageEffectActionBeginSequenceRender[] =
    "OfxImageEffectActionBeginSequenceRender";
inline constexpr char kOfxImageEffectActionEndSequenceRender[] =
    "OfxImageEffectActionEndSequenceRender";
inline constexpr char kOfxImageEffectActionGetTimeDomain[] = "OfxImageEffectActionGetTimeDomain";

// Effect descriptor, host descriptor and instance properties.
inline constexpr char kOfxImageEffectHostPropIsBackground[] = "OfxImageEffectHostPropIsBackground";
inline constexpr char kOfxImageEffectHostPropNativeOrigin[] = "OfxImageEffectHostPropNativeOrigin";
inline constexpr char kOfxImageEffectInstancePropEffectDuration[] =
    "OfxImageEffectInstancePropEffectDuration";
inline constexpr char kOfxImageEffectInstancePropSequentialRender[] =
    "OfxImageEffectInstancePropSequentialRender";
inline constexpr char kOfxImageEffectPluginPropFieldRenderTwiceAlways[] =
    "OfxImageEffectPluginPropFieldRenderTwiceAlways";
inline constexpr char kOfxImageEffectPluginPropGrouping[] = "OfxImageEffectPluginPropGrouping";
inline constexpr char kOfxImageEffectPluginPropHostFrameThreading[] =
    "OfxImageEffectPluginPropHostFrameThreading";
inline constexpr char kOfxImageEffectPluginPropObsolete[] = "OfxImageEffectPluginPropObsolete";
inline constexpr char kOfxImageEffectPluginPropOverlayInteractV1[] =
    "OfxImageEffectPluginPropOverlayInteractV1";
inline constexpr char kOfxImageEffectPluginPropOverlayInteractV2[] =
    "OfxImageEffectPluginPropOverlayInteractV2";
inline constexpr char kOfxImageEffectPluginPropSingleInstance[] =
    "OfxImageEffectPluginPropSingleInstance";
inline constexpr char kOfxImageEffectPluginRenderThreadSafety[] =
    "OfxImageEffectPluginRenderThreadSafety";
inline constexpr char kOfxImageEffectPropClipPreferencesSlaveParam[] =
    "OfxImageEffectPropClipPreferencesSlaveParam";
inline constexpr char kOfxImageEffectPropContext[] = "OfxImageEffectPropContext";
inline constexpr char kOfxImageEffectPropSupportsMultipleClipDepths[] =
    "OfxImageEffectPropMultipleClipDepths";
inline constexpr char kOfxImageEffectPropProjectPixelAspectRatio[] =
    "OfxImageEffectPropPixelAspectRatio";
inline constexpr char kOfxImageEffectPropPluginHandle[] = "OfxImageEffectPropPluginHandle";
inline constexpr char kOfxImageEffectPropProjectExtent[] = "OfxImageEffectPropProjectExtent";
inline constexpr char kOfxImageEffectPropProjectOffset[] = "OfxImageEffectPropProjectOffset";
inline constexpr char kOfxImageEffectPropProjectSize[] = "OfxImageEffectPropProjectSize";
inline constexpr char kOfxImageEffectPropSetableFielding[] = "OfxImageEffectPropSetableFielding";
inline constexpr char kOfxImageEffectPropSetableFrameRate[] = "OfxImageEffectPropSetableFrameRate";
inline constexpr char kOfxImageEffectPropSupportedContexts[] =
    "OfxImageEffectPropSupportedContexts";
inline constexpr char kOfxImageEffectPropSupportedPixelDepths[] =
    "OfxImageEffectPropSupportedPixelDepths";
inline constexpr char kOfxImageEffectPropSupportsMultiResolution[] =
    "OfxImageEffectPropSupportsMultiResolution";
inline constexpr char kOfxImageEffectPropSupportsMultipleClipPARs[] =
    "OfxImageEffectPropSupportsMultipleClipPARs";
inline constexpr char kOfxImageEffectPropSupportsOverlays[] = "OfxImageEffectPropSupportsOverlays";
inline constexpr char kOfxImageEffectPropSupportsTiles[] = "OfxImageEffectPropSupportsTiles";
inline constexpr char kOfxImageEffectPropTemporalClipAccess[] =
    "OfxImageEffectPropTemporalClipAccess";

// Clip properties.
inline constexpr char kOfxImageClipPropConnected[] = "OfxImageClipPropConnected";
inline constexpr char kOfxImageClipPropContinuousSamples[] = "OfxImageClipPropContinuousSamples";
inline constexpr char kOfxImageClipPropFieldExtraction[] = "OfxImageClipPropFieldExtraction";
inline constexpr char kOfxImageClipPropFieldOrder[] = "OfxImageClipPropFieldOrder";
inline constexpr char kOfxImageClipPropIsMask[] = "OfxImageClipPropIsMask";
inline constexpr char kOfxImageClipPropOptional[] = "OfxImageClipPropOptional";
inline constexpr char kOfxImageClipPropUnmappedComponents[] = "OfxImageClipPropUnmappedComponents";
inline constexpr char kOfxImageClipPropUnmappedPixelDepth[] = "OfxImageClipPropUnmappedPixelDepth";
inline constexpr char kOfxImageEffectFrameVarying[] = "OfxImageEffectFrameVarying";
inline constexpr char kOfxImageEffectPropComponents[] = "OfxImageEffectPropComponents";
inline constexpr char kOfxImageEffectPropFrameRange[] = "OfxImageEffectPropFrameRange";
inline constexpr char kOfxImageEffectPropFrameRate[] = "OfxImageEffectPropFrameRate";
inline constexpr char kOfxImageEffectPropPixelDepth[] = "OfxImageEffectPropPixelDepth";
inline constexpr char kOfxImageEffectPropPreMultiplication[] =
    "OfxImageEffectPropPreMultiplication";
inline constexpr char kOfxImageEffectPropSupportedComponents[] =
    "OfxImageEffectPropSupportedComponents";
inline constexpr char kOfxImageEffectPropUnmappedFrameRange[] =
    "OfxImageEffectPropUnmappedFrameRange";
inline constexpr char kOfxImageEffectPropUnmappedFrameRate[] =
    "OfxImageEffectPropUnmappedFrameRate";
inline constexpr char kOfxImagePropPixelAspectRatio[] = "OfxImagePropPixelAspectRatio";

// Image properties.
inline constexpr char kOfxImagePropBounds[] = "OfxImagePropBounds";
inline constexpr char kOfxImagePropData[] = "OfxImagePropData";
inline constexpr char kOfxImagePropField[] = "OfxImagePropField";
inline constexpr char kOfxImagePropRegionOfDefinition[] = "OfxImagePropRegionOfDefinition";
inline constexpr char kOfxImagePropRowBytes[] = "OfxImagePropRowBytes";
inline constexpr char kOfxImagePropUniqueIdentifier[] = "OfxImagePropUniqueIdentifier";

// Render and region action arguments.
inline constexpr char kOfxImageEffectPropBehaviourWhenUnlicensed[] =
    "OfxImageEffectPropBehaviourWhenUnlicensed";
inline constexpr char kOfxImageEffectPropFieldToRender[] = "OfxImageEffectPropFieldToRender";
inline constexpr char kOfxImageEffectPropFrameStep[] = "OfxImageEffectPropFrameStep";
inline constexpr char kOfxImageEffectPropInteractiveRenderStatus[] =
    "OfxImageEffectPropInteractiveRenderStatus";
inline constexpr char kOfxImageEffectPropNoSpatialAwareness[] =
    "OfxImageEffectPropNoSpatialAwareness";
inline constexpr char kOfxImageEffectPropRegionOfDefinition[] =
    "OfxImageEffectPropRegionOfDefinition";
inline constexpr char kOfxImageEffectPropRegionOfInterest[] = "OfxImageEffectPropRegionOfInterest";
inline constexpr char kOfxImageEffectPropRenderQualityDraft[] =
    "OfxImageEffectPropRenderQualityDraft";
inline constexpr char kOfxImageEffectPropRenderScale[] = "OfxImageEffectPropRenderScale";
inline constexpr char kOfxImageEffectPropRenderWindow[] = "OfxImageEffectPropRenderWindow";
inline constexpr char kOfxImageEffectPropSequentialRenderStatus[] =
    "OfxImageEffectPropSequentialRenderStatus";
inline constexpr char kOfxImageEffectPropThumbnailRender[] = "OfxImageEffectPropThumbnailRender";

// Contexts.
inline constexpr char kOfxImageEffectContextGenerator[] = "OfxImageEffectContextGenerator";
inline constexpr char kOfxImageEffectContextFilter[] = "OfxImageEffectContextFilter";
inline constexpr char kOfxImageEffectContextTransition[] = "OfxImageEffectContextTransition";
inline constexpr char kOfxImageEffectContextPaint[] = "OfxImageEffectContextPaint";
inline constexpr char kOfxImageEffectContextGeneral[] = "OfxImageEffectContextGeneral";
inline constexpr char kOfxImageEffectContextRetimer[] = "OfxImageEffectContextRetimer";

// Pixel components.
inline constexpr char kOfxImageComponentNone[] = "OfxImageComponentNone";
inline constexpr char kOfxImageComponentRGBA[] = "OfxImageComponentRGBA";
inline constexpr char kOfxImageComponentRGB[] = "OfxImageComponentRGB";
inline constexpr char kOfxImageComponentAlpha[] = "OfxImageComponentAlpha";

// Premultiplication states.
inline constexpr char kOfxImageOpaque[] = "OfxImageOpaque";
inline constexpr char kOfxImagePreMultiplied[] = "OfxImageAlphaPremultiplied";
inline constexpr char kOfxImageUnPreMultiplied[] = "OfxImageAlphaUnPremultiplied";

// Fields.
inline constexpr char kOfxImageFieldNone[] = "OfxFieldNone";
inline constexpr char kOfxImageFieldLower[] = "OfxFieldLower";
inline constexpr char kOfxImageFieldUpper[] = "OfxFieldUpper";
inline constexpr char kOfxImageFieldBoth[] = "OfxFieldBoth";
inline constexpr char kOfxImageFieldSingle[] = "OfxFieldSingle";
inline constexpr char kOfxImageFieldDoubled[] = "OfxFieldDoubled";

// Render thread safety.
inline constexpr char kOfxImageEffectRenderUnsafe[] = "OfxImageEffectRenderUnsafe";
inline constexpr char kOfxImageEffectRenderInstanceSafe[] = "OfxImageEffectRenderInstanceSafe";
inline constexpr char kOfxImageEffectRenderFullySafe[] = "OfxImageEffectRenderFullySafe";

// Host native origin.
inline constexpr char kOfxHostNativeOriginBottomLeft[] =
    "kOfxImageEffectHostPropNativeOriginBottomLeft";
inline constexpr char kOfxHostNativeOriginTopLeft[] = "kOfxImageEffectHostPropNativeOriginTopLeft";
inline constexpr char kOfxHostNativeOriginCenter[] = "kOfxImageEffectHostPropNativeOriginCenter";

// Unlicensed behaviour.
inline constexpr char kOfxUnlicensedContinue[] = "OfxUnlicensedContinue";
inline constexpr char kOfxUnlicensedFail[] = "OfxUnlicensedFail";

// Mandated clip and parameter names.
inline constexpr char kOfxImageEffectOutputClipName[] = "Output";
inline constexpr char kOfxImageEffectSimpleSourceClipName[] = "Source";
inline constexpr char kOfxImageEffectTransitionSourceFromClipName[] = "SourceFrom";
inline constexpr char kOfxImageEffectTransitionSourceToClipName[] = "SourceTo";
inline constexpr char kOfxImageEffectTransitionParamName[] = "Transition";
inline constexpr char kOfxImageEffectRetimerParamName[] = "SourceTime";
