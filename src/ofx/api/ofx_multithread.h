#pragma once

// The multi-thread suite: host thread pools and mutexes.

#include "ofx/api/ofx_core.h"

inline constexpr char kOfxMultiThreadSuite[] = "OfxMultiThreadSuite";

extern "C" {

typedef struct OfxMutex* OfxMutexHandle;

typedef void OfxThreadFunctionV1(unsigned int threadIndex, unsigned int threadMax, void* customArg);

typedef struct OfxMultiThreadSuiteV1 {
    OfxStatus (*multiThread)(OfxThreadFunctionV1 func, unsigned int nThreads, void* customArg);
    OfxStatus (*multiThreadNumCPUs)(unsigned int* nCPUs);
    OfxStatus (*multiThreadIndex)(unsigned int* threadIndex);
    int (*multiThreadIsSpawnedThread)(void);
    OfxStatus (*mutexCreate)(OfxMutexHandle* mutex, int lockCount);
    OfxStatus (*mutexDestroy)(const OfxMutexHandle mutex);
    OfxStatus (*mutexLock)(const OfxMutexHandle mutex);
    OfxStatus (*mutexUnLock)(const OfxMutexHandle mutex);
    OfxStatus (*mutexTryLock)(const OfxMutexHandle mutex);
} OfxMultiThreadSuiteV1;

}  // extern "C"
