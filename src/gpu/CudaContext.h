#pragma once

// Whether this build carries the CUDA back-end. Without it the plug-in must
// not advertise CUDA rendering.
bool cudaBackendCompiledIn();

// Makes the CUDA runtime create its context now, at describe time, instead of
// in the first render. Failures (no driver, no device) are cleared and
// ignored; the time taken is logged. Does nothing without the CUDA back-end.
void warmUpCudaContext();
