#pragma once

// The time line suite.

#include "ofx/api/ofx_core.h"

inline constexpr char kOfxTimeLineSuite[] = "OfxTimeLineSuite";

extern "C" {

typedef struct OfxTimeLineSuiteV1 {
    OfxStatus (*getTime)(void* instance, double* time);
    OfxStatus (*gotoTime)(void* instance, double time);
    OfxStatus (*getTimeBounds)(void* instance, double* firstTime, double* lastTime);
} OfxTimeLineSuiteV1;

}  // extern "C"
