#pragma once

// The progress suite, versions 1 and 2 (not interchangeable).

#include "ofx/api/ofx_core.h"

inline constexpr char kOfxProgressSuite[] = "OfxProgressSuite";

extern "C" {

typedef struct OfxProgressSuiteV1 {
    OfxStatus (*progressStart)(void* effectInstance, const char* label);
    OfxStatus (*progressUpdate)(void* effectInstance, double progress);
    OfxStatus (*progressEnd)(void* effectInstance);
} OfxProgressSuiteV1;

typedef struct OfxProgressSuiteV2 {
    OfxStatus (*progressStart)(void* effectInstance, const char* message, const char* messageid);
    OfxStatus (*progressUpdate)(void* effectInstance, double progress);
    OfxStatus (*progressEnd)(void* effectInstance);
} OfxProgressSuiteV2;

}  // extern "C"
