#include "gpu/CudaContext.h"

#include "util/Logger.h"

bool cudaBackendCompiledIn() {
    return false;
}

void warmUpCudaContext() {
    Logger::getInstance()->logMessage(LogLevel::Debug,
                                      "CUDA back-end not compiled in; no CUDA context to warm up");
}
