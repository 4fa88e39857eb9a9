#include "gpu/CudaContext.h"

#include <cuda_runtime_api.h>

#include <chrono>

#include "util/Logger.h"

bool cudaBackendCompiledIn() {
    return true;
}

void warmUpCudaContext() {
    Logger::getInstance()->logMessage(LogLevel::Debug, "Initializing CUDA context (warm-up)...");
    const auto start = std::chrono::steady_clock::now();
    // Each result is ignored on purpose: on a machine without a usable GPU the
    // calls fail, the sticky error is cleared, and describe goes on.
    static_cast<void>(cudaFree(nullptr));
    static_cast<void>(cudaGetLastError());
    static_cast<void>(cudaDeviceSynchronize());
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    Logger::getInstance()->logMessage(LogLevel::Debug, "CUDA context warm-up complete in %lld ms",
                                      static_cast<long long>(elapsed.count()));
}
