#pragma once

// The dialog suite and the action it asks the host to send.

#include "ofx/api/ofx_core.h"

inline constexpr char kOfxDialogSuite[] = "OfxDialogSuite";
inline constexpr char kOfxActionDialog[] = "OfxActionDialog";

extern "C" {

typedef struct OfxDialogSuiteV1 {
    OfxStatus (*RequestDialog)(void* user_data);
    OfxStatus (*NotifyRedrawPending)(void);
} OfxDialogSuiteV1;

}  // extern "C"
