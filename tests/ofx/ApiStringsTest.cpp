// Spot checks of API strings that differ from their constant's name, where a
// slip would silently break compatibility with real hosts.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ofx/api/ofx_api.h"

namespace {

struct NamedString {
    const char* constant;
    const char* value;
    std::string expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const NamedString& c, std::ostream* os) {
    *os << c.constant;
}

class ApiStringsTest : public testing::TestWithParam<NamedString> {};

TEST_P(ApiStringsTest, HasTheInterfaceValue) {
    EXPECT_EQ(GetParam().value, GetParam().expected) << GetParam().constant;
}

const std::vector<NamedString> kIrregularStrings = {
    {"kOfxImageEffectPropSupportsMultipleClipDepths", kOfxImageEffectPropSupportsMultipleClipDepths,
     "OfxImageEffectPropMultipleClipDepths"},
    {"kOfxImageEffectPropProjectPixelAspectRatio", kOfxImageEffectPropProjectPixelAspectRatio,
     "OfxImageEffectPropPixelAspectRatio"},
    {"kOfxImagePreMultiplied", kOfxImagePreMultiplied, "OfxImageAlphaPremultiplied"},
    {"kOfxImageUnPreMultiplied", kOfxImageUnPreMultiplied, "OfxImageAlphaUnPremultiplied"},
    {"kOfxImageFieldNone", kOfxImageFieldNone, "OfxFieldNone"},
    {"kOfxImageFieldLower", kOfxImageFieldLower, "OfxFieldLower"},
    {"kOfxImageFieldUpper", kOfxImageFieldUpper, "OfxFieldUpper"},
    {"kOfxImageFieldBoth", kOfxImageFieldBoth, "OfxFieldBoth"},
    {"kOfxImageFieldSingle", kOfxImageFieldSingle, "OfxFieldSingle"},
    {"kOfxImageFieldDoubled", kOfxImageFieldDoubled, "OfxFieldDoubled"},
    {"kOfxHostNativeOriginBottomLeft", kOfxHostNativeOriginBottomLeft,
     "kOfxImageEffectHostPropNativeOriginBottomLeft"},
    {"kOfxHostNativeOriginTopLeft", kOfxHostNativeOriginTopLeft,
     "kOfxImageEffectHostPropNativeOriginTopLeft"},
    {"kOfxHostNativeOriginCenter", kOfxHostNativeOriginCenter,
     "kOfxImageEffectHostPropNativeOriginCenter"},
    {"kOfxParamPropUseHostOverlayHandle", kOfxParamPropUseHostOverlayHandle,
     "kOfxParamPropUseHostOverlayHandle"},
    {"kOfxParamPropCustomInterpCallbackV1", kOfxParamPropCustomInterpCallbackV1,
     "OfxParamPropCustomCallbackV1"},
    {"kOfxPropKeySym", kOfxPropKeySym, "kOfxPropKeySym"},
    {"kOfxPropKeyString", kOfxPropKeyString, "kOfxPropKeyString"},
    {"kOfxActionOpenGLContextAttached", kOfxActionOpenGLContextAttached,
     "OfxActionOpenGLContextAttached"},
    {"kOfxActionOpenGLContextDetached", kOfxActionOpenGLContextDetached,
     "kOfxActionOpenGLContextDetached"},
    {"kOfxInteractPropViewportSize", kOfxInteractPropViewportSize, "OfxInteractPropViewport"},
    {"kOfxOpenGLRenderSuite", kOfxOpenGLRenderSuite, "OfxImageEffectOpenGLRenderSuite"},
    {"kOfxImageEffectPluginApi", kOfxImageEffectPluginApi, "OfxImageEffectPluginAPI"},
    {"kOfxImageEffectPluginRenderThreadSafety", kOfxImageEffectPluginRenderThreadSafety,
     "OfxImageEffectPluginRenderThreadSafety"},
    {"kOfxImageEffectFrameVarying", kOfxImageEffectFrameVarying, "OfxImageEffectFrameVarying"},
    {"kOfxActionDescribeInteract", kOfxActionDescribeInteract, "OfxActionDescribe"},
    {"kOfxActionCreateInstanceInteract", kOfxActionCreateInstanceInteract,
     "OfxActionCreateInstance"},
    {"kOfxActionDestroyInstanceInteract", kOfxActionDestroyInstanceInteract,
     "OfxActionDestroyInstance"},
    {"kOfxParamPropPersistant", kOfxParamPropPersistant, "OfxParamPropPersistant"},
    {"kOfxParamPropInteractPreferedSize", kOfxParamPropInteractPreferedSize,
     "OfxParamPropInteractPreferedSize"},
    {"kOfxImageEffectPropSetableFrameRate", kOfxImageEffectPropSetableFrameRate,
     "OfxImageEffectPropSetableFrameRate"},
    {"kOfxImageEffectPropSetableFielding", kOfxImageEffectPropSetableFielding,
     "OfxImageEffectPropSetableFielding"},
    {"kOfxConfigIdentifier", kOfxConfigIdentifier, "ofx-native-v1.5_aces-v1.3_ocio-v2.3"},
};

INSTANTIATE_TEST_SUITE_P(IrregularNames, ApiStringsTest, testing::ValuesIn(kIrregularStrings));

// The strings our plug-in's describe and the host's switches depend on.
const std::vector<NamedString> kStringsWeRelyOn = {
    {"kOfxImageEffectPropCudaRenderSupported", kOfxImageEffectPropCudaRenderSupported,
     "OfxImageEffectPropCudaRenderSupported"},
    {"kOfxImageEffectPropCudaStreamSupported", kOfxImageEffectPropCudaStreamSupported,
     "OfxImageEffectPropCudaStreamSupported"},
    {"kOfxImageEffectPropOpenCLRenderSupported", kOfxImageEffectPropOpenCLRenderSupported,
     "OfxImageEffectPropOpenCLRenderSupported"},
    {"kOfxImageEffectPluginPropOverlayInteractV2", kOfxImageEffectPluginPropOverlayInteractV2,
     "OfxImageEffectPluginPropOverlayInteractV2"},
    {"kOfxImageEffectActionDescribeInContext", kOfxImageEffectActionDescribeInContext,
     "OfxImageEffectActionDescribeInContext"},
    {"kOfxParametricParameterSuite", kOfxParametricParameterSuite, "OfxParametricParameterSuite"},
    {"kOfxTypeImageEffectHost", kOfxTypeImageEffectHost, "OfxTypeImageEffectHost"},
};

INSTANTIATE_TEST_SUITE_P(KeyNames, ApiStringsTest, testing::ValuesIn(kStringsWeRelyOn));

}  // namespace
