#pragma once

// The message suite (versions 1 and 2) and its message types.

#include "ofx/api/ofx_core.h"

inline constexpr char kOfxMessageSuite[] = "OfxMessageSuite";

extern "C" {

typedef struct OfxMessageSuiteV1 {
    OfxStatus (*message)(void* handle, const char* messageType, const char* messageId,
                         const char* format, ...);
} OfxMessageSuiteV1;

// A strict superset of version 1.
typedef struct OfxMessageSuiteV2 {
    OfxStatus (*message)(void* handle, const char* messageType, const char* messageId,
                         const char* format, ...);
    OfxStatus (*setPersistentMessage)(void* handle, const char* messageType, const char* messageId,
                                      const char* format, ...);
    OfxStatus (*clearPersistentMessage)(void* handle);
} OfxMessageSuiteV2;

}  // extern "C"

inline constexpr char kOfxMessageFatal[] = "OfxMessageFatal";
inline constexpr char kOfxMessageError[] = "OfxMessageError";
inline constexpr char kOfxMessageWarning[] = "OfxMessageWarning";
inline constexpr char kOfxMessageMessage[] = "OfxMessageMessage";
inline constexpr char kOfxMessageLog[] = "OfxMessageLog";
inline constexpr char kOfxMessageQuestion[] = "OfxMessageQuestion";
