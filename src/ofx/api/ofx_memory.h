#pragma once

// The memory suite: general-purpose host allocations.

#include <cstddef>

#include "ofx/api/ofx_core.h"

inline constexpr char kOfxMemorySuite[] = "OfxMemorySuite";

extern "C" {

typedef struct OfxMemorySuiteV1 {
    OfxStatus (*memoryAlloc)(void* handle, size_t nBytes, void** allocatedData);
    OfxStatus (*memoryFree)(void* allocatedData);
} OfxMemorySuiteV1;

}  // extern "C"
