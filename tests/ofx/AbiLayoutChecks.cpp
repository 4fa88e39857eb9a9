// Compile-time checks that our OFX declarations have the binary layout of the
// OFX interface on Linux x86-64: sizes, member offsets and member types. A
// wrong declaration fails the build, not a test run.

#include <cstddef>
#include <type_traits>

#include "ofx/api/ofx_api.h"

namespace {

// Member n of a suite made only of function pointers sits at 8 * n.
constexpr std::size_t slot(std::size_t n) {
    return 8 * n;
}

template <typename T, std::size_t Size, std::size_t Align>
constexpr bool hasShape() {
    return sizeof(T) == Size && alignof(T) == Align && std::is_standard_layout_v<T>;
}

// Scalars and platform.
static_assert(sizeof(OfxStatus) == 4 && std::is_same_v<OfxStatus, int>);
static_assert(std::is_same_v<OfxTime, double>);
static_assert(sizeof(void*) == 8 && sizeof(std::size_t) == 8 && sizeof(bool) == 1);
static_assert(sizeof(OfxStandardColour) == 4 && sizeof(OfxDrawLineStipplePattern) == 4);
static_assert(sizeof(OfxDrawPrimitive) == 4 && sizeof(OfxDrawTextAlignment) == 4);

// Handles are pointers to distinct incomplete structs.
static_assert(std::is_same_v<OfxPropertySetHandle, OfxPropertySetStruct*>);
static_assert(std::is_same_v<OfxImageEffectHandle, OfxImageEffectStruct*>);
static_assert(std::is_same_v<OfxImageClipHandle, OfxImageClipStruct*>);
static_assert(std::is_same_v<OfxImageMemoryHandle, OfxImageMemoryStruct*>);
static_assert(std::is_same_v<OfxParamHandle, OfxParamStruct*>);
static_assert(std::is_same_v<OfxParamSetHandle, OfxParamSetStruct*>);
static_assert(std::is_same_v<OfxInteractHandle, OfxInteract*>);
static_assert(std::is_same_v<OfxMutexHandle, OfxMutex*>);
static_assert(std::is_same_v<OfxDrawContextHandle, OfxDrawContext*>);

// Value records.
static_assert(hasShape<OfxRangeI, 8, 4>());
static_assert(offsetof(OfxRangeI, min) == 0 && offsetof(OfxRangeI, max) == 4);
static_assert(hasShape<OfxRangeD, 16, 8>());
static_assert(offsetof(OfxRangeD, min) == 0 && offsetof(OfxRangeD, max) == 8);
static_assert(hasShape<OfxPointI, 8, 4>());
static_assert(offsetof(OfxPointI, x) == 0 && offsetof(OfxPointI, y) == 4);
static_assert(hasShape<OfxPointD, 16, 8>());
static_assert(offsetof(OfxPointD, x) == 0 && offsetof(OfxPointD, y) == 8);
static_assert(hasShape<OfxRectI, 16, 4>());
static_assert(offsetof(OfxRectI, x1) == 0 && offsetof(OfxRectI, y1) == 4);
static_assert(offsetof(OfxRectI, x2) == 8 && offsetof(OfxRectI, y2) == 12);
static_assert(hasShape<OfxRectD, 32, 8>());
static_assert(offsetof(OfxRectD, x1) == 0 && offsetof(OfxRectD, y1) == 8);
static_assert(offsetof(OfxRectD, x2) == 16 && offsetof(OfxRectD, y2) == 24);
static_assert(hasShape<OfxRGBAColourB, 4, 1>());
static_assert(offsetof(OfxRGBAColourB, r) == 0 && offsetof(OfxRGBAColourB, g) == 1);
static_assert(offsetof(OfxRGBAColourB, b) == 2 && offsetof(OfxRGBAColourB, a) == 3);
static_assert(hasShape<OfxRGBAColourS, 8, 2>());
static_assert(offsetof(OfxRGBAColourS, r) == 0 && offsetof(OfxRGBAColourS, g) == 2);
static_assert(offsetof(OfxRGBAColourS, b) == 4 && offsetof(OfxRGBAColourS, a) == 6);
static_assert(hasShape<OfxRGBAColourF, 16, 4>());
static_assert(offsetof(OfxRGBAColourF, r) == 0 && offsetof(OfxRGBAColourF, g) == 4);
static_assert(offsetof(OfxRGBAColourF, b) == 8 && offsetof(OfxRGBAColourF, a) == 12);
static_assert(hasShape<OfxRGBAColourD, 32, 8>());
static_assert(offsetof(OfxRGBAColourD, r) == 0 && offsetof(OfxRGBAColourD, g) == 8);
static_assert(offsetof(OfxRGBAColourD, b) == 16 && offsetof(OfxRGBAColourD, a) == 24);
static_assert(hasShape<OfxRGBColourB, 3, 1>());
static_assert(offsetof(OfxRGBColourB, g) == 1 && offsetof(OfxRGBColourB, b) == 2);
static_assert(hasShape<OfxRGBColourS, 6, 2>());
static_assert(offsetof(OfxRGBColourS, g) == 2 && offsetof(OfxRGBColourS, b) == 4);
static_assert(hasShape<OfxRGBColourF, 12, 4>());
static_assert(offsetof(OfxRGBColourF, g) == 4 && offsetof(OfxRGBColourF, b) == 8);
static_assert(hasShape<OfxRGBColourD, 24, 8>());
static_assert(offsetof(OfxRGBColourD, g) == 8 && offsetof(OfxRGBColourD, b) == 16);
static_assert(hasShape<OfxBytes, 16, 8>());
static_assert(offsetof(OfxBytes, data) == 0 && offsetof(OfxBytes, length) == 8);
static_assert(std::is_same_v<decltype(OfxBytes::data), const unsigned char*>);
static_assert(std::is_same_v<decltype(OfxBytes::length), std::size_t>);

// Function types.
static_assert(
    std::is_same_v<OfxPluginEntryPoint, OfxStatus(const char*, const void*, OfxPropertySetHandle,
                                                  OfxPropertySetHandle)>);
static_assert(std::is_same_v<OfxThreadFunctionV1, void(unsigned int, unsigned int, void*)>);
static_assert(
    std::is_same_v<OfxCustomParamInterpFuncV1,
                   OfxStatus(OfxParamSetHandle, OfxPropertySetHandle, OfxPropertySetHandle)>);

// Bootstrap records.
static_assert(hasShape<OfxPlugin, 48, 8>());
static_assert(offsetof(OfxPlugin, pluginApi) == 0);
static_assert(offsetof(OfxPlugin, apiVersion) == 8);
static_assert(offsetof(OfxPlugin, pluginIdentifier) == 16);
static_assert(offsetof(OfxPlugin, pluginVersionMajor) == 24);
static_assert(offsetof(OfxPlugin, pluginVersionMinor) == 28);
static_assert(offsetof(OfxPlugin, setHost) == 32);
static_assert(offsetof(OfxPlugin, mainEntry) == 40);
static_assert(std::is_same_v<decltype(OfxPlugin::pluginApi), const char*>);
static_assert(std::is_same_v<decltype(OfxPlugin::apiVersion), int>);
static_assert(std::is_same_v<decltype(OfxPlugin::pluginIdentifier), const char*>);
static_assert(std::is_same_v<decltype(OfxPlugin::pluginVersionMajor), unsigned int>);
static_assert(std::is_same_v<decltype(OfxPlugin::pluginVersionMinor), unsigned int>);
static_assert(std::is_same_v<decltype(OfxPlugin::setHost), void (*)(OfxHost*)>);
static_assert(std::is_same_v<decltype(OfxPlugin::mainEntry), OfxPluginEntryPoint*>);

static_assert(hasShape<OfxHost, 16, 8>());
static_assert(offsetof(OfxHost, host) == 0 && offsetof(OfxHost, fetchSuite) == 8);
static_assert(std::is_same_v<decltype(OfxHost::host), OfxPropertySetHandle>);
static_assert(std::is_same_v<decltype(OfxHost::fetchSuite),
                             const void* (*)(OfxPropertySetHandle, const char*, int)>);

// Property suite.
using PropSet = OfxPropertySetHandle;
static_assert(hasShape<OfxPropertySuiteV1, 144, 8>());
static_assert(offsetof(OfxPropertySuiteV1, propSetPointer) == slot(0));
static_assert(offsetof(OfxPropertySuiteV1, propSetString) == slot(1));
static_assert(offsetof(OfxPropertySuiteV1, propSetDouble) == slot(2));
static_assert(offsetof(OfxPropertySuiteV1, propSetInt) == slot(3));
static_assert(offsetof(OfxPropertySuiteV1, propSetPointerN) == slot(4));
static_assert(offsetof(OfxPropertySuiteV1, propSetStringN) == slot(5));
static_assert(offsetof(OfxPropertySuiteV1, propSetDoubleN) == slot(6));
static_assert(offsetof(OfxPropertySuiteV1, propSetIntN) == slot(7));
static_assert(offsetof(OfxPropertySuiteV1, propGetPointer) == slot(8));
static_assert(offsetof(OfxPropertySuiteV1, propGetString) == slot(9));
static_assert(offsetof(OfxPropertySuiteV1, propGetDouble) == slot(10));
static_assert(offsetof(OfxPropertySuiteV1, propGetInt) == slot(11));
static_assert(offsetof(OfxPropertySuiteV1, propGetPointerN) == slot(12));
static_assert(offsetof(OfxPropertySuiteV1, propGetStringN) == slot(13));
static_assert(offsetof(OfxPropertySuiteV1, propGetDoubleN) == slot(14));
static_assert(offsetof(OfxPropertySuiteV1, propGetIntN) == slot(15));
static_assert(offsetof(OfxPropertySuiteV1, propReset) == slot(16));
static_assert(offsetof(OfxPropertySuiteV1, propGetDimension) == slot(17));
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propSetPointer),
                             OfxStatus (*)(PropSet, const char*, int, void*)>);
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propSetString),
                             OfxStatus (*)(PropSet, const char*, int, const char*)>);
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propSetDouble),
                             OfxStatus (*)(PropSet, const char*, int, double)>);
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propSetInt),
                             OfxStatus (*)(PropSet, const char*, int, int)>);
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propSetPointerN),
                             OfxStatus (*)(PropSet, const char*, int, void* const*)>);
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propSetStringN),
                             OfxStatus (*)(PropSet, const char*, int, const char* const*)>);
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propSetDoubleN),
                             OfxStatus (*)(PropSet, const char*, int, const double*)>);
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propSetIntN),
                             OfxStatus (*)(PropSet, const char*, int, const int*)>);
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propGetPointer),
                             OfxStatus (*)(PropSet, const char*, int, void**)>);
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propGetString),
                             OfxStatus (*)(PropSet, const char*, int, char**)>);
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propGetDouble),
                             OfxStatus (*)(PropSet, const char*, int, double*)>);
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propGetInt),
                             OfxStatus (*)(PropSet, const char*, int, int*)>);
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propGetPointerN),
                             OfxStatus (*)(PropSet, const char*, int, void**)>);
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propGetStringN),
                             OfxStatus (*)(PropSet, const char*, int, char**)>);
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propGetDoubleN),
                             OfxStatus (*)(PropSet, const char*, int, double*)>);
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propGetIntN),
                             OfxStatus (*)(PropSet, const char*, int, int*)>);
static_assert(
    std::is_same_v<decltype(OfxPropertySuiteV1::propReset), OfxStatus (*)(PropSet, const char*)>);
static_assert(std::is_same_v<decltype(OfxPropertySuiteV1::propGetDimension),
                             OfxStatus (*)(PropSet, const char*, int*)>);

// Image effect suite.
using Effect = OfxImageEffectHandle;
using Clip = OfxImageClipHandle;
using Memory = OfxImageMemoryHandle;
static_assert(hasShape<OfxImageEffectSuiteV1, 104, 8>());
static_assert(offsetof(OfxImageEffectSuiteV1, getPropertySet) == slot(0));
static_assert(offsetof(OfxImageEffectSuiteV1, getParamSet) == slot(1));
static_assert(offsetof(OfxImageEffectSuiteV1, clipDefine) == slot(2));
static_assert(offsetof(OfxImageEffectSuiteV1, clipGetHandle) == slot(3));
static_assert(offsetof(OfxImageEffectSuiteV1, clipGetPropertySet) == slot(4));
static_assert(offsetof(OfxImageEffectSuiteV1, clipGetImage) == slot(5));
static_assert(offsetof(OfxImageEffectSuiteV1, clipReleaseImage) == slot(6));
static_assert(offsetof(OfxImageEffectSuiteV1, clipGetRegionOfDefinition) == slot(7));
static_assert(offsetof(OfxImageEffectSuiteV1, abort) == slot(8));
static_assert(offsetof(OfxImageEffectSuiteV1, imageMemoryAlloc) == slot(9));
static_assert(offsetof(OfxImageEffectSuiteV1, imageMemoryFree) == slot(10));
static_assert(offsetof(OfxImageEffectSuiteV1, imageMemoryLock) == slot(11));
static_assert(offsetof(OfxImageEffectSuiteV1, imageMemoryUnlock) == slot(12));
static_assert(std::is_same_v<decltype(OfxImageEffectSuiteV1::getPropertySet),
                             OfxStatus (*)(Effect, PropSet*)>);
static_assert(std::is_same_v<decltype(OfxImageEffectSuiteV1::getParamSet),
                             OfxStatus (*)(Effect, OfxParamSetHandle*)>);
static_assert(std::is_same_v<decltype(OfxImageEffectSuiteV1::clipDefine),
                             OfxStatus (*)(Effect, const char*, PropSet*)>);
static_assert(std::is_same_v<decltype(OfxImageEffectSuiteV1::clipGetHandle),
                             OfxStatus (*)(Effect, const char*, Clip*, PropSet*)>);
static_assert(std::is_same_v<decltype(OfxImageEffectSuiteV1::clipGetPropertySet),
                             OfxStatus (*)(Clip, PropSet*)>);
static_assert(std::is_same_v<decltype(OfxImageEffectSuiteV1::clipGetImage),
                             OfxStatus (*)(Clip, OfxTime, const OfxRectD*, PropSet*)>);
static_assert(
    std::is_same_v<decltype(OfxImageEffectSuiteV1::clipReleaseImage), OfxStatus (*)(PropSet)>);
static_assert(std::is_same_v<decltype(OfxImageEffectSuiteV1::clipGetRegionOfDefinition),
                             OfxStatus (*)(Clip, OfxTime, OfxRectD*)>);
static_assert(std::is_same_v<decltype(OfxImageEffectSuiteV1::abort), int (*)(Effect)>);
static_assert(std::is_same_v<decltype(OfxImageEffectSuiteV1::imageMemoryAlloc),
                             OfxStatus (*)(Effect, std::size_t, Memory*)>);
static_assert(
    std::is_same_v<decltype(OfxImageEffectSuiteV1::imageMemoryFree), OfxStatus (*)(Memory)>);
static_assert(std::is_same_v<decltype(OfxImageEffectSuiteV1::imageMemoryLock),
                             OfxStatus (*)(Memory, void**)>);
static_assert(
    std::is_same_v<decltype(OfxImageEffectSuiteV1::imageMemoryUnlock), OfxStatus (*)(Memory)>);

// Parameter suite.
using Param = OfxParamHandle;
using ParamSet = OfxParamSetHandle;
static_assert(hasShape<OfxParameterSuiteV1, 144, 8>());
static_assert(offsetof(OfxParameterSuiteV1, paramDefine) == slot(0));
static_assert(offsetof(OfxParameterSuiteV1, paramGetHandle) == slot(1));
static_assert(offsetof(OfxParameterSuiteV1, paramSetGetPropertySet) == slot(2));
static_assert(offsetof(OfxParameterSuiteV1, paramGetPropertySet) == slot(3));
static_assert(offsetof(OfxParameterSuiteV1, paramGetValue) == slot(4));
static_assert(offsetof(OfxParameterSuiteV1, paramGetValueAtTime) == slot(5));
static_assert(offsetof(OfxParameterSuiteV1, paramGetDerivative) == slot(6));
static_assert(offsetof(OfxParameterSuiteV1, paramGetIntegral) == slot(7));
static_assert(offsetof(OfxParameterSuiteV1, paramSetValue) == slot(8));
static_assert(offsetof(OfxParameterSuiteV1, paramSetValueAtTime) == slot(9));
static_assert(offsetof(OfxParameterSuiteV1, paramGetNumKeys) == slot(10));
static_assert(offsetof(OfxParameterSuiteV1, paramGetKeyTime) == slot(11));
static_assert(offsetof(OfxParameterSuiteV1, paramGetKeyIndex) == slot(12));
static_assert(offsetof(OfxParameterSuiteV1, paramDeleteKey) == slot(13));
static_assert(offsetof(OfxParameterSuiteV1, paramDeleteAllKeys) == slot(14));
static_assert(offsetof(OfxParameterSuiteV1, paramCopy) == slot(15));
static_assert(offsetof(OfxParameterSuiteV1, paramEditBegin) == slot(16));
static_assert(offsetof(OfxParameterSuiteV1, paramEditEnd) == slot(17));
static_assert(std::is_same_v<decltype(OfxParameterSuiteV1::paramDefine),
                             OfxStatus (*)(ParamSet, const char*, const char*, PropSet*)>);
static_assert(std::is_same_v<decltype(OfxParameterSuiteV1::paramGetHandle),
                             OfxStatus (*)(ParamSet, const char*, Param*, PropSet*)>);
static_assert(std::is_same_v<decltype(OfxParameterSuiteV1::paramSetGetPropertySet),
                             OfxStatus (*)(ParamSet, PropSet*)>);
static_assert(std::is_same_v<decltype(OfxParameterSuiteV1::paramGetPropertySet),
                             OfxStatus (*)(Param, PropSet*)>);
static_assert(
    std::is_same_v<decltype(OfxParameterSuiteV1::paramGetValue), OfxStatus (*)(Param, ...)>);
static_assert(std::is_same_v<decltype(OfxParameterSuiteV1::paramGetValueAtTime),
                             OfxStatus (*)(Param, OfxTime, ...)>);
static_assert(std::is_same_v<decltype(OfxParameterSuiteV1::paramGetDerivative),
                             OfxStatus (*)(Param, OfxTime, ...)>);
static_assert(std::is_same_v<decltype(OfxParameterSuiteV1::paramGetIntegral),
                             OfxStatus (*)(Param, OfxTime, OfxTime, ...)>);
static_assert(
    std::is_same_v<decltype(OfxParameterSuiteV1::paramSetValue), OfxStatus (*)(Param, ...)>);
static_assert(std::is_same_v<decltype(OfxParameterSuiteV1::paramSetValueAtTime),
                             OfxStatus (*)(Param, OfxTime, ...)>);
static_assert(std::is_same_v<decltype(OfxParameterSuiteV1::paramGetNumKeys),
                             OfxStatus (*)(Param, unsigned int*)>);
static_assert(std::is_same_v<decltype(OfxParameterSuiteV1::paramGetKeyTime),
                             OfxStatus (*)(Param, unsigned int, OfxTime*)>);
static_assert(std::is_same_v<decltype(OfxParameterSuiteV1::paramGetKeyIndex),
                             OfxStatus (*)(Param, OfxTime, int, int*)>);
static_assert(
    std::is_same_v<decltype(OfxParameterSuiteV1::paramDeleteKey), OfxStatus (*)(Param, OfxTime)>);
static_assert(
    std::is_same_v<decltype(OfxParameterSuiteV1::paramDeleteAllKeys), OfxStatus (*)(Param)>);
static_assert(std::is_same_v<decltype(OfxParameterSuiteV1::paramCopy),
                             OfxStatus (*)(Param, Param, OfxTime, const OfxRangeD*)>);
static_assert(std::is_same_v<decltype(OfxParameterSuiteV1::paramEditBegin),
                             OfxStatus (*)(ParamSet, const char*)>);
static_assert(std::is_same_v<decltype(OfxParameterSuiteV1::paramEditEnd), OfxStatus (*)(ParamSet)>);

// Parametric parameter suite.
static_assert(hasShape<OfxParametricParameterSuiteV1, 56, 8>());
static_assert(offsetof(OfxParametricParameterSuiteV1, parametricParamGetValue) == slot(0));
static_assert(offsetof(OfxParametricParameterSuiteV1, parametricParamGetNControlPoints) == slot(1));
static_assert(offsetof(OfxParametricParameterSuiteV1, parametricParamGetNthControlPoint) ==
              slot(2));
static_assert(offsetof(OfxParametricParameterSuiteV1, parametricParamSetNthControlPoint) ==
              slot(3));
static_assert(offsetof(OfxParametricParameterSuiteV1, parametricParamAddControlPoint) == slot(4));
static_assert(offsetof(OfxParametricParameterSuiteV1, parametricParamDeleteControlPoint) ==
              slot(5));
static_assert(offsetof(OfxParametricParameterSuiteV1, parametricParamDeleteAllControlPoints) ==
              slot(6));
static_assert(std::is_same_v<decltype(OfxParametricParameterSuiteV1::parametricParamGetValue),
                             OfxStatus (*)(Param, int, OfxTime, double, double*)>);
static_assert(
    std::is_same_v<decltype(OfxParametricParameterSuiteV1::parametricParamGetNControlPoints),
                   OfxStatus (*)(Param, int, double, int*)>);
static_assert(
    std::is_same_v<decltype(OfxParametricParameterSuiteV1::parametricParamGetNthControlPoint),
                   OfxStatus (*)(Param, int, double, int, double*, double*)>);
static_assert(
    std::is_same_v<decltype(OfxParametricParameterSuiteV1::parametricParamSetNthControlPoint),
                   OfxStatus (*)(Param, int, double, int, double, double, bool)>);
static_assert(
    std::is_same_v<decltype(OfxParametricParameterSuiteV1::parametricParamAddControlPoint),
                   OfxStatus (*)(Param, int, double, double, double, bool)>);
static_assert(
    std::is_same_v<decltype(OfxParametricParameterSuiteV1::parametricParamDeleteControlPoint),
                   OfxStatus (*)(Param, int, int)>);
static_assert(
    std::is_same_v<decltype(OfxParametricParameterSuiteV1::parametricParamDeleteAllControlPoints),
                   OfxStatus (*)(Param, int)>);

// Memory suite.
static_assert(hasShape<OfxMemorySuiteV1, 16, 8>());
static_assert(offsetof(OfxMemorySuiteV1, memoryAlloc) == slot(0));
static_assert(offsetof(OfxMemorySuiteV1, memoryFree) == slot(1));
static_assert(std::is_same_v<decltype(OfxMemorySuiteV1::memoryAlloc),
                             OfxStatus (*)(void*, std::size_t, void**)>);
static_assert(std::is_same_v<decltype(OfxMemorySuiteV1::memoryFree), OfxStatus (*)(void*)>);

// Multi-thread suite.
static_assert(hasShape<OfxMultiThreadSuiteV1, 72, 8>());
static_assert(offsetof(OfxMultiThreadSuiteV1, multiThread) == slot(0));
static_assert(offsetof(OfxMultiThreadSuiteV1, multiThreadNumCPUs) == slot(1));
static_assert(offsetof(OfxMultiThreadSuiteV1, multiThreadIndex) == slot(2));
static_assert(offsetof(OfxMultiThreadSuiteV1, multiThreadIsSpawnedThread) == slot(3));
static_assert(offsetof(OfxMultiThreadSuiteV1, mutexCreate) == slot(4));
static_assert(offsetof(OfxMultiThreadSuiteV1, mutexDestroy) == slot(5));
static_assert(offsetof(OfxMultiThreadSuiteV1, mutexLock) == slot(6));
static_assert(offsetof(OfxMultiThreadSuiteV1, mutexUnLock) == slot(7));
static_assert(offsetof(OfxMultiThreadSuiteV1, mutexTryLock) == slot(8));
static_assert(std::is_same_v<decltype(OfxMultiThreadSuiteV1::multiThread),
                             OfxStatus (*)(OfxThreadFunctionV1*, unsigned int, void*)>);
static_assert(std::is_same_v<decltype(OfxMultiThreadSuiteV1::multiThreadNumCPUs),
                             OfxStatus (*)(unsigned int*)>);
static_assert(std::is_same_v<decltype(OfxMultiThreadSuiteV1::multiThreadIndex),
                             OfxStatus (*)(unsigned int*)>);
static_assert(
    std::is_same_v<decltype(OfxMultiThreadSuiteV1::multiThreadIsSpawnedThread), int (*)()>);
static_assert(std::is_same_v<decltype(OfxMultiThreadSuiteV1::mutexCreate),
                             OfxStatus (*)(OfxMutexHandle*, int)>);
static_assert(
    std::is_same_v<decltype(OfxMultiThreadSuiteV1::mutexDestroy), OfxStatus (*)(OfxMutexHandle)>);
static_assert(
    std::is_same_v<decltype(OfxMultiThreadSuiteV1::mutexLock), OfxStatus (*)(OfxMutexHandle)>);
static_assert(
    std::is_same_v<decltype(OfxMultiThreadSuiteV1::mutexUnLock), OfxStatus (*)(OfxMutexHandle)>);
static_assert(
    std::is_same_v<decltype(OfxMultiThreadSuiteV1::mutexTryLock), OfxStatus (*)(OfxMutexHandle)>);

// Message suites.
using MessageFn = OfxStatus (*)(void*, const char*, const char*, const char*, ...);
static_assert(hasShape<OfxMessageSuiteV1, 8, 8>());
static_assert(offsetof(OfxMessageSuiteV1, message) == slot(0));
static_assert(std::is_same_v<decltype(OfxMessageSuiteV1::message), MessageFn>);
static_assert(hasShape<OfxMessageSuiteV2, 24, 8>());
static_assert(offsetof(OfxMessageSuiteV2, message) == slot(0));
static_assert(offsetof(OfxMessageSuiteV2, setPersistentMessage) == slot(1));
static_assert(offsetof(OfxMessageSuiteV2, clearPersistentMessage) == slot(2));
static_assert(std::is_same_v<decltype(OfxMessageSuiteV2::message), MessageFn>);
static_assert(std::is_same_v<decltype(OfxMessageSuiteV2::setPersistentMessage), MessageFn>);
static_assert(
    std::is_same_v<decltype(OfxMessageSuiteV2::clearPersistentMessage), OfxStatus (*)(void*)>);

// Interact suite.
static_assert(hasShape<OfxInteractSuiteV1, 24, 8>());
static_assert(offsetof(OfxInteractSuiteV1, interactSwapBuffers) == slot(0));
static_assert(offsetof(OfxInteractSuiteV1, interactRedraw) == slot(1));
static_assert(offsetof(OfxInteractSuiteV1, interactGetPropertySet) == slot(2));
static_assert(std::is_same_v<decltype(OfxInteractSuiteV1::interactSwapBuffers),
                             OfxStatus (*)(OfxInteractHandle)>);
static_assert(
    std::is_same_v<decltype(OfxInteractSuiteV1::interactRedraw), OfxStatus (*)(OfxInteractHandle)>);
static_assert(std::is_same_v<decltype(OfxInteractSuiteV1::interactGetPropertySet),
                             OfxStatus (*)(OfxInteractHandle, PropSet*)>);

// Draw suite and its enumerations.
using Draw = OfxDrawContextHandle;
static_assert(hasShape<OfxDrawSuiteV1, 48, 8>());
static_assert(offsetof(OfxDrawSuiteV1, getColour) == slot(0));
static_assert(offsetof(OfxDrawSuiteV1, setColour) == slot(1));
static_assert(offsetof(OfxDrawSuiteV1, setLineWidth) == slot(2));
static_assert(offsetof(OfxDrawSuiteV1, setLineStipple) == slot(3));
static_assert(offsetof(OfxDrawSuiteV1, draw) == slot(4));
static_assert(offsetof(OfxDrawSuiteV1, drawText) == slot(5));
static_assert(std::is_same_v<decltype(OfxDrawSuiteV1::getColour),
                             OfxStatus (*)(Draw, OfxStandardColour, OfxRGBAColourF*)>);
static_assert(std::is_same_v<decltype(OfxDrawSuiteV1::setColour),
                             OfxStatus (*)(Draw, const OfxRGBAColourF*)>);
static_assert(std::is_same_v<decltype(OfxDrawSuiteV1::setLineWidth), OfxStatus (*)(Draw, float)>);
static_assert(std::is_same_v<decltype(OfxDrawSuiteV1::setLineStipple),
                             OfxStatus (*)(Draw, OfxDrawLineStipplePattern)>);
static_assert(std::is_same_v<decltype(OfxDrawSuiteV1::draw),
                             OfxStatus (*)(Draw, OfxDrawPrimitive, const OfxPointD*, int)>);
static_assert(std::is_same_v<decltype(OfxDrawSuiteV1::drawText),
                             OfxStatus (*)(Draw, const char*, const OfxPointD*, int)>);
static_assert(kOfxStandardColourOverlayBackground == 0 && kOfxStandardColourOverlayText == 6);
static_assert(kOfxStandardColourOverlayMarqueeFG == 4 && kOfxStandardColourOverlayMarqueeBG == 5);
static_assert(kOfxDrawLineStipplePatternSolid == 0 && kOfxDrawLineStipplePatternDotDash == 4);
static_assert(kOfxDrawLineStipplePatternAltDash == 3);
static_assert(kOfxDrawPrimitiveLines == 0 && kOfxDrawPrimitiveLineLoop == 2);
static_assert(kOfxDrawPrimitiveRectangle == 3 && kOfxDrawPrimitiveEllipse == 5);
static_assert(kOfxDrawTextAlignmentLeft == 1 && kOfxDrawTextAlignmentBaseline == 16);
static_assert(kOfxDrawTextAlignmentCenterH == 3 && kOfxDrawTextAlignmentCenterV == 20);

// Progress suites (version 2 adds an argument to the first member).
static_assert(hasShape<OfxProgressSuiteV1, 24, 8>());
static_assert(offsetof(OfxProgressSuiteV1, progressStart) == slot(0));
static_assert(offsetof(OfxProgressSuiteV1, progressUpdate) == slot(1));
static_assert(offsetof(OfxProgressSuiteV1, progressEnd) == slot(2));
static_assert(
    std::is_same_v<decltype(OfxProgressSuiteV1::progressStart), OfxStatus (*)(void*, const char*)>);
static_assert(
    std::is_same_v<decltype(OfxProgressSuiteV1::progressUpdate), OfxStatus (*)(void*, double)>);
static_assert(std::is_same_v<decltype(OfxProgressSuiteV1::progressEnd), OfxStatus (*)(void*)>);
static_assert(hasShape<OfxProgressSuiteV2, 24, 8>());
static_assert(offsetof(OfxProgressSuiteV2, progressStart) == slot(0));
static_assert(offsetof(OfxProgressSuiteV2, progressUpdate) == slot(1));
static_assert(offsetof(OfxProgressSuiteV2, progressEnd) == slot(2));
static_assert(std::is_same_v<decltype(OfxProgressSuiteV2::progressStart),
                             OfxStatus (*)(void*, const char*, const char*)>);
static_assert(
    std::is_same_v<decltype(OfxProgressSuiteV2::progressUpdate), OfxStatus (*)(void*, double)>);
static_assert(std::is_same_v<decltype(OfxProgressSuiteV2::progressEnd), OfxStatus (*)(void*)>);

// Time line suite.
static_assert(hasShape<OfxTimeLineSuiteV1, 24, 8>());
static_assert(offsetof(OfxTimeLineSuiteV1, getTime) == slot(0));
static_assert(offsetof(OfxTimeLineSuiteV1, gotoTime) == slot(1));
static_assert(offsetof(OfxTimeLineSuiteV1, getTimeBounds) == slot(2));
static_assert(std::is_same_v<decltype(OfxTimeLineSuiteV1::getTime), OfxStatus (*)(void*, double*)>);
static_assert(std::is_same_v<decltype(OfxTimeLineSuiteV1::gotoTime), OfxStatus (*)(void*, double)>);
static_assert(std::is_same_v<decltype(OfxTimeLineSuiteV1::getTimeBounds),
                             OfxStatus (*)(void*, double*, double*)>);

// OpenGL render and OpenCL program suites.
static_assert(hasShape<OfxImageEffectOpenGLRenderSuiteV1, 24, 8>());
static_assert(offsetof(OfxImageEffectOpenGLRenderSuiteV1, clipLoadTexture) == slot(0));
static_assert(offsetof(OfxImageEffectOpenGLRenderSuiteV1, clipFreeTexture) == slot(1));
static_assert(offsetof(OfxImageEffectOpenGLRenderSuiteV1, flushResources) == slot(2));
static_assert(std::is_same_v<decltype(OfxImageEffectOpenGLRenderSuiteV1::clipLoadTexture),
                             OfxStatus (*)(Clip, OfxTime, const char*, const OfxRectD*, PropSet*)>);
static_assert(std::is_same_v<decltype(OfxImageEffectOpenGLRenderSuiteV1::clipFreeTexture),
                             OfxStatus (*)(PropSet)>);
static_assert(
    std::is_same_v<decltype(OfxImageEffectOpenGLRenderSuiteV1::flushResources), OfxStatus (*)()>);
static_assert(hasShape<OfxOpenCLProgramSuiteV1, 8, 8>());
static_assert(offsetof(OfxOpenCLProgramSuiteV1, compileProgram) == slot(0));
static_assert(std::is_same_v<decltype(OfxOpenCLProgramSuiteV1::compileProgram),
                             OfxStatus (*)(const char*, int, void*)>);

// Dialog suite.
static_assert(hasShape<OfxDialogSuiteV1, 16, 8>());
static_assert(offsetof(OfxDialogSuiteV1, RequestDialog) == slot(0));
static_assert(offsetof(OfxDialogSuiteV1, NotifyRedrawPending) == slot(1));
static_assert(std::is_same_v<decltype(OfxDialogSuiteV1::RequestDialog), OfxStatus (*)(void*)>);
static_assert(std::is_same_v<decltype(OfxDialogSuiteV1::NotifyRedrawPending), OfxStatus (*)()>);

// Numbers.
static_assert(kOfxStatOK == 0 && kOfxStatFailed == 1 && kOfxStatErrFatal == 2);
static_assert(kOfxStatErrUnknown == 3 && kOfxStatErrMissingHostFeature == 4);
static_assert(kOfxStatErrUnsupported == 5 && kOfxStatErrExists == 6 && kOfxStatErrFormat == 7);
static_assert(kOfxStatErrMemory == 8 && kOfxStatErrBadHandle == 9 && kOfxStatErrBadIndex == 10);
static_assert(kOfxStatErrValue == 11 && kOfxStatReplyYes == 12 && kOfxStatReplyNo == 13);
static_assert(kOfxStatReplyDefault == 14 && kOfxStatUnlicensed == 15);
static_assert(kOfxStatErrImageFormat == 1000);
static_assert(kOfxStatGPUOutOfMemory == 1001 && kOfxStatGLOutOfMemory == 1001);
static_assert(kOfxStatGPURenderFailed == 1002 && kOfxStatGLRenderFailed == 1002);
static_assert(kOfxFlagInfiniteMin == -2147483647 - 1 && kOfxFlagInfiniteMax == 2147483647);
static_assert(kOfxImageEffectPluginApiVersion == 1);

}  // namespace
