#pragma once

// Colour management (OFX 1.5): properties, styles, the native config and its
// basic colourspaces, and the output colourspace action.

inline constexpr char kOfxImageEffectActionGetOutputColourspace[] =
    "OfxImageEffectActionGetOutputColourspace";

inline constexpr char kOfxImageClipPropColourspace[] = "OfxImageClipPropColourspace";
inline constexpr char kOfxImageClipPropPreferredColourspaces[] =
    "OfxImageClipPropPreferredColourspaces";
inline constexpr char kOfxImageEffectPropColourManagementAvailableConfigs[] =
    "OfxImageEffectPropColourManagementAvailableConfigs";
inline constexpr char kOfxImageEffectPropColourManagementConfig[] =
    "OfxImageEffectPropColourManagementConfig";
inline constexpr char kOfxImageEffectPropColourManagementStyle[] =
    "OfxImageEffectPropColourManagementStyle";
inline constexpr char kOfxImageEffectPropDisplayColourspace[] =
    "OfxImageEffectPropDisplayColourspace";
inline constexpr char kOfxImageEffectPropOCIOConfig[] = "OfxImageEffectPropOCIOConfig";
inline constexpr char kOfxImageEffectPropOCIODisplay[] = "OfxImageEffectPropOCIODisplay";
inline constexpr char kOfxImageEffectPropOCIOView[] = "OfxImageEffectPropOCIOView";

inline constexpr char kOfxImageEffectColourManagementNone[] = "OfxImageEffectColourManagementNone";
inline constexpr char kOfxImageEffectColourManagementBasic[] =
    "OfxImageEffectColourManagementBasic";
inline constexpr char kOfxImageEffectColourManagementCore[] = "OfxImageEffectColourManagementCore";
inline constexpr char kOfxImageEffectColourManagementFull[] = "OfxImageEffectColourManagementFull";
inline constexpr char kOfxImageEffectColourManagementOCIO[] = "OfxImageEffectColourManagementOCIO";
inline constexpr char kOfxConfigIdentifier[] = "ofx-native-v1.5_aces-v1.3_ocio-v2.3";
inline constexpr char kOfxColourspaceOfxRaw[] = "ofx_raw";
inline constexpr char kOfxColourspaceOfxSceneLinear[] = "ofx_scene_linear";
inline constexpr char kOfxColourspaceOfxSceneLog[] = "ofx_scene_log";
inline constexpr char kOfxColourspaceOfxDisplaySdr[] = "ofx_display_sdr";
inline constexpr char kOfxColourspaceOfxDisplayHdr[] = "ofx_display_hdr";
