#pragma once

// Interacts (overlays and parameter GUIs): the handle, the interact suite,
// interact actions and properties.

#include "ofx/api/ofx_core.h"

inline constexpr char kOfxInteractSuite[] = "OfxInteractSuite";

extern "C" {

typedef struct OfxInteract* OfxInteractHandle;

typedef struct OfxInteractSuiteV1 {
    OfxStatus (*interactSwapBuffers)(OfxInteractHandle interactInstance);
    OfxStatus (*interactRedraw)(OfxInteractHandle interactInstance);
    OfxStatus (*interactGetPropertySet)(OfxInteractHandle interactInstance,
                                        OfxPropertySetHandle* property);
} OfxInteractSuiteV1;

}  // extern "C"

// Interact actions; the first three share the generic action strings.
inline constexpr char kOfxActionDescribeInteract[] = "OfxActionDescribe";
inline constexpr char kOfxActionCreateInstanceInteract[] = "OfxActionCreateInstance";
inline constexpr char kOfxActionDestroyInstanceInteract[] = "OfxActionDestroyInstance";
inline constexpr char kOfxInteractActionDraw[] = "OfxInteractActionDraw";
inline constexpr char kOfxInteractActionPenMotion[] = "OfxInteractActionPenMotion";
inline constexpr char kOfxInteractActionPenDown[] = "OfxInteractActionPenDown";
inline constexpr char kOfxInteractActionPenUp[] = "OfxInteractActionPenUp";
inline constexpr char kOfxInteractActionKeyDown[] = "OfxInteractActionKeyDown";
inline constexpr char kOfxInteractActionKeyUp[] = "OfxInteractActionKeyUp";
inline constexpr char kOfxInteractActionKeyRepeat[] = "OfxInteractActionKeyRepeat";
inline constexpr char kOfxInteractActionGainFocus[] = "OfxInteractActionGainFocus";
inline constexpr char kOfxInteractActionLoseFocus[] = "OfxInteractActionLoseFocus";

// Interact properties and key event arguments.
inline constexpr char kOfxInteractPropBackgroundColour[] = "OfxInteractPropBackgroundColour";
inline constexpr char kOfxInteractPropBitDepth[] = "OfxInteractPropBitDepth";
inline constexpr char kOfxInteractPropHasAlpha[] = "OfxInteractPropHasAlpha";
inline constexpr char kOfxInteractPropPenPosition[] = "OfxInteractPropPenPosition";
inline constexpr char kOfxInteractPropPenPressure[] = "OfxInteractPropPenPressure";
inline constexpr char kOfxInteractPropPenViewportPosition[] = "OfxInteractPropPenViewportPosition";
inline constexpr char kOfxInteractPropPixelScale[] = "OfxInteractPropPixelScale";
inline constexpr char kOfxInteractPropSlaveToParam[] = "OfxInteractPropSlaveToParam";
inline constexpr char kOfxInteractPropSuggestedColour[] = "OfxInteractPropSuggestedColour";
inline constexpr char kOfxPropKeyString[] = "kOfxPropKeyString";
inline constexpr char kOfxPropKeySym[] = "kOfxPropKeySym";
