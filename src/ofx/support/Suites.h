#pragma once

#include "ofx/api/ofx_draw.h"
#include "ofx/api/ofx_image_effect.h"
#include "ofx/api/ofx_interact.h"
#include "ofx/api/ofx_memory.h"
#include "ofx/api/ofx_message.h"
#include "ofx/api/ofx_multithread.h"
#include "ofx/api/ofx_param.h"
#include "ofx/api/ofx_parametric_param.h"
#include "ofx/api/ofx_property.h"

// The host and its suites, shared by every class of the support layer. The
// host pointer arrives through setHost; the suites are fetched at the load
// action and dropped at the last unload. The optional suites stay null on
// hosts that do not offer them, and their users must check.
namespace OFX::Private {

extern OfxHost* gHost;

// Required: loading fails without any of these.
extern const OfxPropertySuiteV1* gPropSuite;
extern const OfxImageEffectSuiteV1* gEffectSuite;
extern const OfxParameterSuiteV1* gParamSuite;
extern const OfxMemorySuiteV1* gMemorySuite;
extern const OfxMultiThreadSuiteV1* gThreadSuite;
extern const OfxMessageSuiteV1* gMessageSuite;

// Optional.
extern const OfxMessageSuiteV2* gMessageSuiteV2;
extern const OfxInteractSuiteV1* gInteractSuite;
extern const OfxDrawSuiteV1* gDrawSuite;
extern const OfxParametricParameterSuiteV1* gParametricParameterSuite;

// Fetches every suite from gHost. Throws SuiteError with
// kOfxStatErrMissingHostFeature, naming the suite, when there is no host or a
// required suite is missing; the suite pointers are then all null.
void fetchSuites();

// Forgets every suite pointer (the host pointer stays).
void releaseSuites();

// The property suite, or a SuiteError when the plug-in was not loaded.
const OfxPropertySuiteV1& propertySuite();
// The image effect suite, or a SuiteError when the plug-in was not loaded.
const OfxImageEffectSuiteV1& imageEffectSuite();
// The parameter suite, or a SuiteError when the plug-in was not loaded.
const OfxParameterSuiteV1& parameterSuite();

[[noreturn]] void throwMissingSuiteFunction(const char* name);

// `function` of a fetched suite, or a SuiteError naming it when the host left
// that slot of its suite empty.
template <class Function>
Function& suiteFunction(Function* function, const char* name) {
    if (function == nullptr) {
        throwMissingSuiteFunction(name);
    }
    return *function;
}

}  // namespace OFX::Private
