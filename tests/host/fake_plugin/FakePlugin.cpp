// A small image-effect plug-in for testing the host: it describes itself
// through every suite the host offers, can be told to fail any action, and
// reports what it saw.

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "FakePluginControl.h"
#include "ofx/api/ofx_api.h"

namespace {

FakePluginControl g_control;
FakePluginReport g_report;

OfxHost* g_host = nullptr;
const OfxPropertySuiteV1* g_properties = nullptr;
const OfxImageEffectSuiteV1* g_effects = nullptr;
const OfxParameterSuiteV1* g_params = nullptr;
const OfxParametricParameterSuiteV1* g_parametric = nullptr;

void resetState() {
    g_control = FakePluginControl{1, kOfxStatOK, "", kOfxStatOK};
    g_report = FakePluginReport{};
    g_report.curveStatus = kOfxStatOK;
}

// Notes a call that a complete host must accept.
void expectOk(OfxStatus status, const char* what) {
    if (status != kOfxStatOK) {
        if (g_report.unexpectedFailures++ == 0) {
            std::snprintf(g_report.firstFailure, sizeof(g_report.firstFailure), "%s: %d", what,
                          status);
        }
    }
}

void setString(OfxPropertySetHandle set, const char* name, const char* value, int index = 0) {
    expectOk(g_properties->propSetString(set, name, index, value), name);
}

void setInt(OfxPropertySetHandle set, const char* name, int value, int index = 0) {
    expectOk(g_properties->propSetInt(set, name, index, value), name);
}

void setDouble(OfxPropertySetHandle set, const char* name, double value, int index = 0) {
    expectOk(g_properties->propSetDouble(set, name, index, value), name);
}

OfxStatus overlayEntry(const char* action, const void*, OfxPropertySetHandle,
                       OfxPropertySetHandle) {
    if (std::strcmp(action, kOfxActionDescribeInteract) == 0) {
        ++g_report.overlayDescribes;
        return kOfxStatOK;
    }
    return kOfxStatReplyDefault;
}

OfxStatus load() {
    const auto fetch = [](const char* name, int version) {
        return g_host->fetchSuite(g_host->host, name, version);
    };
    g_properties = static_cast<const OfxPropertySuiteV1*>(fetch(kOfxPropertySuite, 1));
    g_effects = static_cast<const OfxImageEffectSuiteV1*>(fetch(kOfxImageEffectSuite, 1));
    g_params = static_cast<const OfxParameterSuiteV1*>(fetch(kOfxParameterSuite, 1));
    g_parametric =
        static_cast<const OfxParametricParameterSuiteV1*>(fetch(kOfxParametricParameterSuite, 1));
    g_report.parametricSuiteFetched = g_parametric != nullptr;
    g_report.drawSuiteFetched = fetch(kOfxDrawSuite, 1) != nullptr;
    g_report.messageSuiteV2Fetched = fetch(kOfxMessageSuite, 2) != nullptr;
    const bool required = g_properties && g_effects && g_params && fetch(kOfxMemorySuite, 1) &&
                          fetch(kOfxMultiThreadSuite, 1) && fetch(kOfxMessageSuite, 1);
    return required ? kOfxStatOK : kOfxStatErrMissingHostFeature;
}

OfxStatus describe(OfxImageEffectHandle effect) {
    OfxPropertySetHandle props = nullptr;
    expectOk(g_effects->getPropertySet(effect, &props), "getPropertySet");
    setString(props, kOfxPropLabel, "Fake Effect");
    setString(props, kOfxImageEffectPluginPropGrouping, "Test");
    setString(props, kOfxPropPluginDescription, "A fake effect for host tests");
    setString(props, kOfxImageEffectPropSupportedContexts, kOfxImageEffectContextFilter, 0);
    setString(props, kOfxImageEffectPropSupportedContexts, kOfxImageEffectContextGeneral, 1);
    setString(props, kOfxImageEffectPropSupportedPixelDepths, kOfxBitDepthFloat, 0);
    setInt(props, kOfxImageEffectPropSupportsTiles, 0);
    setInt(props, kOfxImageEffectPluginPropHostFrameThreading, 0);
    setString(props, kOfxImageEffectPropCudaRenderSupported, "true");
    setString(props, kOfxImageEffectPropNoSpatialAwareness, "false");
    expectOk(g_properties->propSetPointer(props, kOfxImageEffectPluginPropOverlayInteractV1, 0,
                                          reinterpret_cast<void*>(&overlayEntry)),
             "overlay V1");
    // A host may not know the OFX 1.5 overlay property; that is not an error.
    g_report.overlayV2Status =
        g_properties->propSetPointer(props, kOfxImageEffectPluginPropOverlayInteractV2, 0,
                                     reinterpret_cast<void*>(&overlayEntry));
    return kOfxStatOK;
}

OfxPropertySetHandle defineParam(OfxParamSetHandle set, const char* type, const char* name) {
    OfxPropertySetHandle props = nullptr;
    expectOk(g_params->paramDefine(set, type, name, &props), name);
    return props;
}

void defineCurve(OfxParamSetHandle set) {
    if (g_parametric == nullptr) {
        return;
    }
    OfxPropertySetHandle props = defineParam(set, kOfxParamTypeParametric, "curve");
    setInt(props, kOfxParamPropParametricDimension, 1);
    setDouble(props, kOfxParamPropParametricRange, 0.0, 0);
    setDouble(props, kOfxParamPropParametricRange, 1.0, 1);
    OfxParamHandle curve = nullptr;
    expectOk(g_params->paramGetHandle(set, "curve", &curve, nullptr), "curve handle");
    for (double key : {0.0, 0.5, 1.0}) {
        const OfxStatus status =
            g_parametric->parametricParamAddControlPoint(curve, 0, 0.0, key, key * key, false);
        if (status != kOfxStatOK && g_report.curveStatus == kOfxStatOK) {
            g_report.curveStatus = status;
        }
    }
}

OfxStatus describeInContext(OfxImageEffectHandle effect, OfxPropertySetHandle inArgs) {
    char* context = nullptr;
    expectOk(g_properties->propGetString(inArgs, kOfxImageEffectPropContext, 0, &context),
             "context");
    OfxPropertySetHandle clip = nullptr;
    if (context != nullptr && std::strcmp(context, kOfxImageEffectContextFilter) == 0) {
        expectOk(g_effects->clipDefine(effect, kOfxImageEffectSimpleSourceClipName, &clip),
                 "Source");
        setString(clip, kOfxImageEffectPropSupportedComponents, kOfxImageComponentRGBA);
    }
    expectOk(g_effects->clipDefine(effect, kOfxImageEffectOutputClipName, &clip), "Output");
    setString(clip, kOfxImageEffectPropSupportedComponents, kOfxImageComponentRGBA);

    OfxParamSetHandle set = nullptr;
    expectOk(g_effects->getParamSet(effect, &set), "getParamSet");
    OfxPropertySetHandle page = defineParam(set, kOfxParamTypePage, "Controls");
    setString(page, kOfxParamPropPageChild, "gain", 0);
    setString(page, kOfxParamPropPageChild, "centre", 1);
    OfxPropertySetHandle group = defineParam(set, kOfxParamTypeGroup, "grp");
    setInt(group, kOfxParamPropGroupOpen, 0);

    OfxPropertySetHandle gain = defineParam(set, kOfxParamTypeDouble, "gain");
    setDouble(gain, kOfxParamPropDefault, 0.5);
    setDouble(gain, kOfxParamPropMin, 0.0);
    setDouble(gain, kOfxParamPropMax, 2.0);
    setDouble(gain, kOfxParamPropIncrement, 0.01);
    setString(gain, kOfxParamPropParent, "grp");
    setString(gain, kOfxParamPropHint, "How strong");
    OfxPropertySetHandle centre = defineParam(set, kOfxParamTypeDouble2D, "centre");
    setString(centre, kOfxParamPropDoubleType, kOfxParamDoubleTypeXYAbsolute);
    setString(centre, kOfxParamPropDefaultCoordinateSystem, kOfxParamCoordinatesNormalised);
    setDouble(centre, kOfxParamPropDefault, 0.5, 1);
    OfxPropertySetHandle colour = defineParam(set, kOfxParamTypeRGB, "colour");
    setDouble(colour, kOfxParamPropDefault, 1.0, 0);
    OfxPropertySetHandle mode = defineParam(set, kOfxParamTypeChoice, "mode");
    setString(mode, kOfxParamPropChoiceOption, "first", 0);
    setString(mode, kOfxParamPropChoiceOption, "second", 1);
    setInt(mode, kOfxParamPropDefault, 1);
    OfxPropertySetHandle name = defineParam(set, kOfxParamTypeString, "name");
    setString(name, kOfxParamPropStringMode, kOfxParamStringIsFilePath);
    defineParam(set, kOfxParamTypeInteger3D, "cells");
    defineParam(set, kOfxParamTypeBoolean, "enabled");
    defineParam(set, kOfxParamTypePushButton, "press");
    defineCurve(set);

    OfxPropertySetHandle setProps = nullptr;
    expectOk(g_params->paramSetGetPropertySet(set, &setProps), "param set properties");
    setString(setProps, kOfxPluginPropParamPageOrder, "Controls");
    return kOfxStatOK;
}

OfxStatus createInstance(OfxImageEffectHandle effect) {
    OfxImageClipHandle output = nullptr;
    expectOk(g_effects->clipGetHandle(effect, kOfxImageEffectOutputClipName, &output, nullptr),
             "Output handle");
    OfxParamSetHandle set = nullptr;
    expectOk(g_effects->getParamSet(effect, &set), "instance param set");
    OfxParamHandle gain = nullptr;
    expectOk(g_params->paramGetHandle(set, "gain", &gain, nullptr), "gain handle");
    expectOk(g_params->paramGetValue(gain, &g_report.gainAtCreation), "gain value");
    ++g_report.instancesCreated;
    return kOfxStatOK;
}

OfxStatus mainEntry(const char* action, const void* handle, OfxPropertySetHandle inArgs,
                    OfxPropertySetHandle) {
    if (std::strcmp(action, g_control.failingAction) == 0) {
        return g_control.failingStatus;
    }
    auto* effect = static_cast<OfxImageEffectHandle>(const_cast<void*>(handle));
    if (std::strcmp(action, kOfxActionLoad) == 0) {
        return load();
    }
    if (std::strcmp(action, kOfxActionDescribe) == 0) {
        return describe(effect);
    }
    if (std::strcmp(action, kOfxImageEffectActionDescribeInContext) == 0) {
        return describeInContext(effect, inArgs);
    }
    if (std::strcmp(action, kOfxActionCreateInstance) == 0) {
        return createInstance(effect);
    }
    if (std::strcmp(action, kOfxActionDestroyInstance) == 0) {
        ++g_report.instancesDestroyed;
        return kOfxStatOK;
    }
    if (std::strcmp(action, kOfxActionUnload) == 0) {
        ++g_report.unloads;
        return kOfxStatOK;
    }
    return kOfxStatReplyDefault;
}

void setHost(OfxHost* host) {
    g_host = host;
}

OfxPlugin g_plugin = {kOfxImageEffectPluginApi,
                      kOfxImageEffectPluginApiVersion,
                      "org.test.fake",
                      2,
                      3,
                      setHost,
                      mainEntry};

// Configured before the host first looks at the binary.
struct Startup {
    Startup() { resetState(); }
} g_startup;

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int OfxGetNumberOfPlugins() {
    return g_control.pluginCount;
}

__attribute__((visibility("default"))) OfxPlugin* OfxGetPlugin(int nth) {
    return nth == 0 ? &g_plugin : nullptr;
}

__attribute__((visibility("default"))) OfxStatus OfxSetHost(const OfxHost*) {
    return g_control.setHostStatus;
}

__attribute__((visibility("default"))) FakePluginControl* fakePluginControl() {
    return &g_control;
}

__attribute__((visibility("default"))) const FakePluginReport* fakePluginReport() {
    return &g_report;
}

__attribute__((visibility("default"))) void fakePluginReset() {
    resetState();
}
}
