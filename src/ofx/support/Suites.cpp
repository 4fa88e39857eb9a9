#include "ofx/support/Suites.h"

#include <string>

#include "ofx/support/SuiteError.h"
#include "util/Logger.h"

namespace OFX::Private {

OfxHost* gHost = nullptr;

const OfxPropertySuiteV1* gPropSuite = nullptr;
const OfxImageEffectSuiteV1* gEffectSuite = nullptr;
const OfxParameterSuiteV1* gParamSuite = nullptr;
const OfxMemorySuiteV1* gMemorySuite = nullptr;
const OfxMultiThreadSuiteV1* gThreadSuite = nullptr;
const OfxMessageSuiteV1* gMessageSuite = nullptr;

const OfxMessageSuiteV2* gMessageSuiteV2 = nullptr;
const OfxInteractSuiteV1* gInteractSuite = nullptr;
const OfxDrawSuiteV1* gDrawSuite = nullptr;
const OfxParametricParameterSuiteV1* gParametricParameterSuite = nullptr;

namespace {

template <class Suite>
const Suite* fetch(const char* name, int version) {
    return static_cast<const Suite*>(gHost->fetchSuite(gHost->host, name, version));
}

template <class Suite>
const Suite* fetchRequired(const char* name, int version) {
    const Suite* suite = fetch<Suite>(name, version);
    if (suite == nullptr) {
        throw SuiteError(kOfxStatErrMissingHostFeature, "Host does not offer the required suite " +
                                                            std::string(name) + " v" +
                                                            std::to_string(version));
    }
    return suite;
}

template <class Suite>
const Suite* fetchOptional(const char* name, int version) {
    const Suite* suite = fetch<Suite>(name, version);
    if (suite == nullptr) {
        Logger::getInstance()->logMessage(LogLevel::Info, "Host does not offer %s v%d", name,
                                          version);
    }
    return suite;
}

}  // namespace

void fetchSuites() {
    if (gHost == nullptr || gHost->fetchSuite == nullptr) {
        throw SuiteError(kOfxStatErrMissingHostFeature, "No host was set before loading");
    }
    try {
        gPropSuite = fetchRequired<OfxPropertySuiteV1>(kOfxPropertySuite, 1);
        gEffectSuite = fetchRequired<OfxImageEffectSuiteV1>(kOfxImageEffectSuite, 1);
        gParamSuite = fetchRequired<OfxParameterSuiteV1>(kOfxParameterSuite, 1);
        gMemorySuite = fetchRequired<OfxMemorySuiteV1>(kOfxMemorySuite, 1);
        gThreadSuite = fetchRequired<OfxMultiThreadSuiteV1>(kOfxMultiThreadSuite, 1);
        gMessageSuite = fetchRequired<OfxMessageSuiteV1>(kOfxMessageSuite, 1);
    } catch (...) {
        releaseSuites();
        throw;
    }
    gMessageSuiteV2 = fetchOptional<OfxMessageSuiteV2>(kOfxMessageSuite, 2);
    gInteractSuite = fetchOptional<OfxInteractSuiteV1>(kOfxInteractSuite, 1);
    gDrawSuite = fetchOptional<OfxDrawSuiteV1>(kOfxDrawSuite, 1);
    gParametricParameterSuite =
        fetchOptional<OfxParametricParameterSuiteV1>(kOfxParametricParameterSuite, 1);
}

void releaseSuites() {
    gPropSuite = nullptr;
    gEffectSuite = nullptr;
    gParamSuite = nullptr;
    gMemorySuite = nullptr;
    gThreadSuite = nullptr;
    gMessageSuite = nullptr;
    gMessageSuiteV2 = nullptr;
    gInteractSuite = nullptr;
    gDrawSuite = nullptr;
    gParametricParameterSuite = nullptr;
}

const OfxPropertySuiteV1& propertySuite() {
    if (gPropSuite == nullptr) {
        throw SuiteError(kOfxStatFailed, "Property suite used before the plug-in was loaded");
    }
    return *gPropSuite;
}

const OfxImageEffectSuiteV1& imageEffectSuite() {
    if (gEffectSuite == nullptr) {
        throw SuiteError(kOfxStatFailed, "Image effect suite used before the plug-in was loaded");
    }
    return *gEffectSuite;
}

const OfxParameterSuiteV1& parameterSuite() {
    if (gParamSuite == nullptr) {
        throw SuiteError(kOfxStatFailed, "Parameter suite used before the plug-in was loaded");
    }
    return *gParamSuite;
}

void throwMissingSuiteFunction(const char* name) {
    throw SuiteError(kOfxStatFailed, std::string("The host's suite has no function ") + name);
}

}  // namespace OFX::Private
