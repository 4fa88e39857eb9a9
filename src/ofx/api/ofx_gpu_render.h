#pragma once

// GPU rendering: CUDA, Metal, OpenCL and OpenGL properties, statuses and
// actions, and the OpenGL render and OpenCL program suites. CUDA has no suite;
// it is negotiated through properties only.

#include "ofx/api/ofx_image_effect.h"

inline constexpr char kOfxOpenGLRenderSuite[] = "OfxImageEffectOpenGLRenderSuite";
inline constexpr char kOfxOpenCLProgramSuite[] = "OfxOpenCLProgramSuite";

extern "C" {

typedef struct OfxImageEffectOpenGLRenderSuiteV1 {
    OfxStatus (*clipLoadTexture)(OfxImageClipHandle clip, OfxTime time, const char* format,
                                 const OfxRectD* region, OfxPropertySetHandle* textureHandle);
    OfxStatus (*clipFreeTexture)(OfxPropertySetHandle textureHandle);
    OfxStatus (*flushResources)(void);
} OfxImageEffectOpenGLRenderSuiteV1;

typedef struct OfxOpenCLProgramSuiteV1 {
    OfxStatus (*compileProgram)(const char* pszProgramSource, int fOptional, void* pResult);
} OfxOpenCLProgramSuiteV1;

}  // extern "C"

inline constexpr OfxStatus kOfxStatGPUOutOfMemory = 1001;
inline constexpr OfxStatus kOfxStatGLOutOfMemory = 1001;
inline constexpr OfxStatus kOfxStatGPURenderFailed = 1002;
inline constexpr OfxStatus kOfxStatGLRenderFailed = 1002;

inline constexpr char kOfxActionOpenGLContextAttached[] = "OfxActionOpenGLContextAttached";
inline constexpr char kOfxActionOpenGLContextDetached[] = "kOfxActionOpenGLContextDetached";

inline constexpr char kOfxImageEffectPropCPURenderSupported[] =
    "OfxImageEffectPropCPURenderSupported";
inline constexpr char kOfxImageEffectPropCudaEnabled[] = "OfxImageEffectPropCudaEnabled";
inline constexpr char kOfxImageEffectPropCudaRenderSupported[] =
    "OfxImageEffectPropCudaRenderSupported";
inline constexpr char kOfxImageEffectPropCudaStream[] = "OfxImageEffectPropCudaStream";
inline constexpr char kOfxImageEffectPropCudaStreamSupported[] =
    "OfxImageEffectPropCudaStreamSupported";
inline constexpr char kOfxImageEffectPropMetalCommandQueue[] =
    "OfxImageEffectPropMetalCommandQueue";
inline constexpr char kOfxImageEffectPropMetalEnabled[] = "OfxImageEffectPropMetalEnabled";
inline constexpr char kOfxImageEffectPropMetalRenderSupported[] =
    "OfxImageEffectPropMetalRenderSupported";
inline constexpr char kOfxImageEffectPropOpenCLCommandQueue[] =
    "OfxImageEffectPropOpenCLCommandQueue";
inline constexpr char kOfxImageEffectPropOpenCLEnabled[] = "OfxImageEffectPropOpenCLEnabled";
inline constexpr char kOfxImageEffectPropOpenCLImage[] = "OfxImageEffectPropOpenCLImage";
inline constexpr char kOfxImageEffectPropOpenCLRenderSupported[] =
    "OfxImageEffectPropOpenCLRenderSupported";
inline constexpr char kOfxImageEffectPropOpenCLSupported[] = "OfxImageEffectPropOpenCLSupported";
inline constexpr char kOfxImageEffectPropOpenGLEnabled[] = "OfxImageEffectPropOpenGLEnabled";
inline constexpr char kOfxImageEffectPropOpenGLRenderSupported[] =
    "OfxImageEffectPropOpenGLRenderSupported";
inline constexpr char kOfxImageEffectPropOpenGLTextureIndex[] =
    "OfxImageEffectPropOpenGLTextureIndex";
inline constexpr char kOfxImageEffectPropOpenGLTextureTarget[] =
    "OfxImageEffectPropOpenGLTextureTarget";
inline constexpr char kOfxOpenGLPropPixelDepth[] = "OfxOpenGLPropPixelDepth";
