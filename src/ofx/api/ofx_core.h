#pragma once

// Core of our OFX C API declarations: scalar types, the property set handle,
// geometry records, the plug-in and host bootstrap records, status codes,
// generic actions and properties. Layout follows the OFX binary interface for
// Linux x86-64 exactly; never reorder or insert members.

#include <climits>

extern "C" {

typedef int OfxStatus;
typedef double OfxTime;

typedef struct OfxPropertySetStruct* OfxPropertySetHandle;

typedef struct OfxRangeI {
    int min;
    int max;
} OfxRangeI;

typedef struct OfxRangeD {
    double min;
    double max;
} OfxRangeD;

typedef struct OfxPointI {
    int x;
    int y;
} OfxPointI;

typedef struct OfxPointD {
    double x;
    double y;
} OfxPointD;

// Upper bounds are exclusive.
typedef struct OfxRectI {
    int x1;
    int y1;
    int x2;
    int y2;
} OfxRectI;

typedef struct OfxRectD {
    double x1;
    double y1;
    double x2;
    double y2;
} OfxRectD;

// Receives every action of a plug-in (also the signature of interact entries).
typedef OfxStatus OfxPluginEntryPoint(const char* action, const void* handle,
                                      OfxPropertySetHandle inArgs, OfxPropertySetHandle outArgs);

// What the host hands to a plug-in: its descriptor and the way to its suites.
typedef struct OfxHost {
    OfxPropertySetHandle host;
    const void* (*fetchSuite)(OfxPropertySetHandle host, const char* suiteName, int suiteVersion);
} OfxHost;

// One plug-in of a binary, as returned by OfxGetPlugin.
typedef struct OfxPlugin {
    const char* pluginApi;
    int apiVersion;
    const char* pluginIdentifier;
    unsigned int pluginVersionMajor;
    unsigned int pluginVersionMinor;
    void (*setHost)(OfxHost* host);
    OfxPluginEntryPoint* mainEntry;
} OfxPlugin;

}  // extern "C"

// Status codes. General codes occupy 1..999; image-effect and GPU codes live in
// their own headers.
inline constexpr OfxStatus kOfxStatOK = 0;
inline constexpr OfxStatus kOfxStatFailed = 1;
inline constexpr OfxStatus kOfxStatErrFatal = 2;
inline constexpr OfxStatus kOfxStatErrUnknown = 3;
inline constexpr OfxStatus kOfxStatErrMissingHostFeature = 4;
inline constexpr OfxStatus kOfxStatErrUnsupported = 5;
inline constexpr OfxStatus kOfxStatErrExists = 6;
inline constexpr OfxStatus kOfxStatErrFormat = 7;
inline constexpr OfxStatus kOfxStatErrMemory = 8;
inline constexpr OfxStatus kOfxStatErrBadHandle = 9;
inline constexpr OfxStatus kOfxStatErrBadIndex = 10;
inline constexpr OfxStatus kOfxStatErrValue = 11;
inline constexpr OfxStatus kOfxStatReplyYes = 12;
inline constexpr OfxStatus kOfxStatReplyNo = 13;
inline constexpr OfxStatus kOfxStatReplyDefault = 14;
inline constexpr OfxStatus kOfxStatUnlicensed = 15;

// Bounds of infinite rectangles (stored as doubles in OfxRectD).
inline constexpr int kOfxFlagInfiniteMin = INT_MIN;
inline constexpr int kOfxFlagInfiniteMax = INT_MAX;

// Generic actions.
inline constexpr char kOfxActionLoad[] = "OfxActionLoad";
inline constexpr char kOfxActionDescribe[] = "OfxActionDescribe";
inline constexpr char kOfxActionUnload[] = "OfxActionUnload";
inline constexpr char kOfxActionPurgeCaches[] = "OfxActionPurgeCaches";
inline constexpr char kOfxActionSyncPrivateData[] = "OfxActionSyncPrivateData";
inline constexpr char kOfxActionCreateInstance[] = "OfxActionCreateInstance";
inline constexpr char kOfxActionDestroyInstance[] = "OfxActionDestroyInstance";
inline constexpr char kOfxActionBeginInstanceChanged[] = "OfxActionBeginInstanceChanged";
inline constexpr char kOfxActionInstanceChanged[] = "OfxActionInstanceChanged";
inline constexpr char kOfxActionEndInstanceChanged[] = "OfxActionEndInstanceChanged";
inline constexpr char kOfxActionBeginInstanceEdit[] = "OfxActionBeginInstanceEdit";
inline constexpr char kOfxActionEndInstanceEdit[] = "OfxActionEndInstanceEdit";

// General properties.
inline constexpr char kOfxPluginPropFilePath[] = "OfxPluginPropFilePath";
inline constexpr char kOfxPropAPIVersion[] = "OfxPropAPIVersion";
inline constexpr char kOfxPropChangeReason[] = "OfxPropChangeReason";
inline constexpr char kOfxPropEffectInstance[] = "OfxPropEffectInstance";
inline constexpr char kOfxPropHostOSHandle[] = "OfxPropHostOSHandle";
inline constexpr char kOfxPropIcon[] = "OfxPropIcon";
inline constexpr char kOfxPropInstanceData[] = "OfxPropInstanceData";
inline constexpr char kOfxPropIsInteractive[] = "OfxPropIsInteractive";
inline constexpr char kOfxPropLabel[] = "OfxPropLabel";
inline constexpr char kOfxPropLongLabel[] = "OfxPropLongLabel";
inline constexpr char kOfxPropName[] = "OfxPropName";
inline constexpr char kOfxPropPluginDescription[] = "OfxPropPluginDescription";
inline constexpr char kOfxPropShortLabel[] = "OfxPropShortLabel";
inline constexpr char kOfxPropTime[] = "OfxPropTime";
inline constexpr char kOfxPropType[] = "OfxPropType";
inline constexpr char kOfxPropVersion[] = "OfxPropVersion";
inline constexpr char kOfxPropVersionLabel[] = "OfxPropVersionLabel";

// Values of kOfxPropChangeReason.
inline constexpr char kOfxChangeUserEdited[] = "OfxChangeUserEdited";
inline constexpr char kOfxChangePluginEdited[] = "OfxChangePluginEdited";
inline constexpr char kOfxChangeTime[] = "OfxChangeTime";

// Values of kOfxPropType.
inline constexpr char kOfxTypeImageEffectHost[] = "OfxTypeImageEffectHost";
inline constexpr char kOfxTypeImageEffect[] = "OfxTypeImageEffect";
inline constexpr char kOfxTypeImageEffectInstance[] = "OfxTypeImageEffectInstance";
inline constexpr char kOfxTypeClip[] = "OfxTypeClip";
inline constexpr char kOfxTypeImage[] = "OfxTypeImage";
inline constexpr char kOfxTypeParameter[] = "OfxTypeParameter";
inline constexpr char kOfxTypeParameterInstance[] = "OfxTypeParameterInstance";

// Bit depths (pixel depth properties).
inline constexpr char kOfxBitDepthNone[] = "OfxBitDepthNone";
inline constexpr char kOfxBitDepthByte[] = "OfxBitDepthByte";
inline constexpr char kOfxBitDepthShort[] = "OfxBitDepthShort";
inline constexpr char kOfxBitDepthHalf[] = "OfxBitDepthHalf";
inline constexpr char kOfxBitDepthFloat[] = "OfxBitDepthFloat";
