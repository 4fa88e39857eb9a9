#include "FakeHost.h"

#include <stdexcept>
#include <type_traits>

#include "ofx/api/ofx_draw.h"
#include "ofx/api/ofx_interact.h"
#include "ofx/api/ofx_memory.h"
#include "ofx/api/ofx_message.h"
#include "ofx/api/ofx_multithread.h"
#include "ofx/api/ofx_param.h"
#include "ofx/api/ofx_parametric_param.h"
#include "ofx/api/ofx_property.h"

namespace {

FakeHost* g_current = nullptr;

FakeHost::PropertySet* setOf(OfxPropertySetHandle handle) {
    return reinterpret_cast<FakeHost::PropertySet*>(handle);
}

// Suites the plug-in only fetches in these tests: their functions stay null.
const OfxMemorySuiteV1 kMemorySuite{};
const OfxMultiThreadSuiteV1 kMultiThreadSuite{};
const OfxMessageSuiteV2 kMessageSuite{};
const OfxInteractSuiteV1 kInteractSuite{};
const OfxDrawSuiteV1 kDrawSuite{};

}  // namespace

std::vector<FakeHost::Value> FakeHost::PropertySet::values(const std::string& name) const {
    const auto found = _values.find(name);
    return found == _values.end() ? std::vector<Value>() : found->second;
}

void FakeHost::PropertySet::set(const std::string& name, std::vector<Value> values) {
    _values[name] = std::move(values);
}

FakeHost::FakeHost() {
    if (g_current != nullptr) {
        throw std::logic_error("only one FakeHost at a time");
    }
    g_current = this;
    _host.host = _hostProperties.handle();
    _host.fetchSuite = &FakeHost::fetchSuite;
    _hostProperties.set(kOfxPropName, {std::string("org.ofxfw.test.fakehost")});
    _hostProperties.set(kOfxPropLabel, {std::string("Fake Host")});
    _hostProperties.set(kOfxPropAPIVersion, {1, 4});
}

FakeHost::~FakeHost() {
    g_current = nullptr;
}

void FakeHost::withholdSuite(const std::string& name, int version) {
    _withheld.insert({name, version});
}

void FakeHost::refuseProperty(const std::string& name, OfxStatus status) {
    _refused[name] = status;
}

void FakeHost::refuseClip(const std::string& name, OfxStatus status) {
    _refusedClips[name] = status;
}

void FakeHost::refuseParamType(const std::string& type, OfxStatus status) {
    _refusedParamTypes[type] = status;
}

OfxImageEffectHandle FakeHost::newEffect() {
    _effects.push_back(std::make_unique<Effect>());
    return reinterpret_cast<OfxImageEffectHandle>(_effects.back().get());
}

FakeHost::PropertySet& FakeHost::effectProperties(OfxImageEffectHandle effect) {
    return reinterpret_cast<Effect*>(effect)->properties;
}

std::vector<std::string> FakeHost::clipNames(OfxImageEffectHandle effect) const {
    std::vector<std::string> names;
    for (const auto& clip : reinterpret_cast<Effect*>(effect)->clips) {
        names.push_back(clip.first);
    }
    return names;
}

FakeHost::PropertySet& FakeHost::clipProperties(OfxImageEffectHandle effect,
                                                const std::string& name) {
    for (const auto& clip : reinterpret_cast<Effect*>(effect)->clips) {
        if (clip.first == name) {
            return *clip.second;
        }
    }
    throw std::out_of_range("no clip " + name);
}

std::vector<std::string> FakeHost::paramNames(OfxImageEffectHandle effect) const {
    std::vector<std::string> names;
    for (const auto& param : reinterpret_cast<Effect*>(effect)->params) {
        names.push_back(param.first);
    }
    return names;
}

FakeHost::Param& FakeHost::param(OfxImageEffectHandle effect, const std::string& name) {
    Param* found = reinterpret_cast<Effect*>(effect)->findParam(name);
    if (found == nullptr) {
        throw std::out_of_range("no parameter " + name);
    }
    return *found;
}

FakeHost::Param* FakeHost::Effect::findParam(const std::string& name) const {
    for (const auto& param : params) {
        if (param.first == name) {
            return param.second.get();
        }
    }
    return nullptr;
}

FakeHost::PropertySet& FakeHost::newPropertySet() {
    _sets.push_back(std::make_unique<PropertySet>());
    return *_sets.back();
}

FakeHost* FakeHost::current() {
    return g_current;
}

const void* FakeHost::fetchSuite(OfxPropertySetHandle, const char* name, int version) {
    static const OfxPropertySuiteV1 propertySuite = [] {
        OfxPropertySuiteV1 suite{};
        suite.propSetPointer = &setValue<void*>;
        suite.propSetString = &setValue<const char*>;
        suite.propSetDouble = &setValue<double>;
        suite.propSetInt = &setValue<int>;
        suite.propSetStringN = &setStringN;
        suite.propGetPointer = &getValue<void*>;
        suite.propGetString = &getString;
        suite.propGetDouble = &getValue<double>;
        suite.propGetInt = &getValue<int>;
        suite.propGetDimension = &getDimension;
        return suite;
    }();
    static const OfxImageEffectSuiteV1 effectSuite = [] {
        OfxImageEffectSuiteV1 suite{};
        suite.getPropertySet = &getPropertySet;
        suite.getParamSet = &getParamSet;
        suite.clipDefine = &clipDefine;
        return suite;
    }();
    static const OfxParameterSuiteV1 parameterSuite = [] {
        OfxParameterSuiteV1 suite{};
        suite.paramDefine = &paramDefine;
        suite.paramGetHandle = &paramGetHandle;
        return suite;
    }();
    static const OfxParametricParameterSuiteV1 parametricSuite = [] {
        OfxParametricParameterSuiteV1 suite{};
        suite.parametricParamAddControlPoint = &FakeHost::addControlPoint;
        return suite;
    }();
    const std::map<std::pair<std::string, int>, const void*> suites = {
        {{kOfxPropertySuite, 1}, &propertySuite},
        {{kOfxImageEffectSuite, 1}, &effectSuite},
        {{kOfxParameterSuite, 1}, &parameterSuite},
        {{kOfxMemorySuite, 1}, &kMemorySuite},
        {{kOfxMultiThreadSuite, 1}, &kMultiThreadSuite},
        {{kOfxMessageSuite, 1}, &kMessageSuite},
        {{kOfxMessageSuite, 2}, &kMessageSuite},
        {{kOfxInteractSuite, 1}, &kInteractSuite},
        {{kOfxDrawSuite, 1}, &kDrawSuite},
        {{kOfxParametricParameterSuite, 1}, &parametricSuite},
    };
    const std::pair<std::string, int> key(name, version);
    if (current()->_withheld.count(key) != 0) {
        return nullptr;
    }
    const auto found = suites.find(key);
    return found == suites.end() ? nullptr : found->second;
}

OfxStatus FakeHost::getPropertySet(OfxImageEffectHandle effect, OfxPropertySetHandle* properties) {
    if (effect == nullptr) {
        return kOfxStatErrBadHandle;
    }
    *properties = current()->effectProperties(effect).handle();
    return kOfxStatOK;
}

// The parameter set of an effect descriptor is the effect itself.
OfxStatus FakeHost::getParamSet(OfxImageEffectHandle effect, OfxParamSetHandle* paramSet) {
    if (effect == nullptr) {
        return kOfxStatErrBadHandle;
    }
    *paramSet = reinterpret_cast<OfxParamSetHandle>(effect);
    return kOfxStatOK;
}

OfxStatus FakeHost::clipDefine(OfxImageEffectHandle handle, const char* name,
                               OfxPropertySetHandle* properties) {
    const auto refused = current()->_refusedClips.find(name);
    if (refused != current()->_refusedClips.end()) {
        return refused->second;
    }
    Effect* effect = reinterpret_cast<Effect*>(handle);
    for (const auto& clip : effect->clips) {
        if (clip.first == name) {
            return kOfxStatErrExists;
        }
    }
    effect->clips.emplace_back(name, std::make_unique<PropertySet>());
    *properties = effect->clips.back().second->handle();
    return kOfxStatOK;
}

OfxStatus FakeHost::paramDefine(OfxParamSetHandle paramSet, const char* type, const char* name,
                                OfxPropertySetHandle* properties) {
    const auto refused = current()->_refusedParamTypes.find(type);
    if (refused != current()->_refusedParamTypes.end()) {
        return refused->second;
    }
    Effect* effect = reinterpret_cast<Effect*>(paramSet);
    if (effect->findParam(name) != nullptr) {
        return kOfxStatErrExists;
    }
    auto param = std::make_unique<Param>();
    param->type = type;
    *properties = param->properties.handle();
    effect->params.emplace_back(name, std::move(param));
    return kOfxStatOK;
}

OfxStatus FakeHost::paramGetHandle(OfxParamSetHandle paramSet, const char* name,
                                   OfxParamHandle* param, OfxPropertySetHandle* properties) {
    Param* found = reinterpret_cast<Effect*>(paramSet)->findParam(name);
    if (found == nullptr) {
        return kOfxStatErrUnknown;
    }
    *param = reinterpret_cast<OfxParamHandle>(found);
    if (properties != nullptr) {
        *properties = found->properties.handle();
    }
    return kOfxStatOK;
}

OfxStatus FakeHost::addControlPoint(OfxParamHandle param, int curveIndex, double, double key,
                                    double value, bool) {
    reinterpret_cast<Param*>(param)->curves[curveIndex].emplace_back(key, value);
    return kOfxStatOK;
}

template <class T>
OfxStatus FakeHost::setValue(OfxPropertySetHandle set, const char* name, int index, T value) {
    const auto refused = current()->_refused.find(name);
    if (refused != current()->_refused.end()) {
        return refused->second;
    }
    std::vector<Value>& values = setOf(set)->_values[name];
    if (index < 0 || index > static_cast<int>(values.size())) {
        return kOfxStatErrBadIndex;
    }
    Value stored;
    if constexpr (std::is_same_v<T, const char*>) {
        stored = std::string(value);
    } else {
        stored = value;
    }
    if (index == static_cast<int>(values.size())) {
        values.push_back(stored);
    } else {
        values[index] = stored;
    }
    return kOfxStatOK;
}

template <class T>
OfxStatus FakeHost::getValue(OfxPropertySetHandle set, const char* name, int index, T* value) {
    const auto found = setOf(set)->_values.find(name);
    if (found == setOf(set)->_values.end()) {
        return kOfxStatErrUnknown;
    }
    if (index < 0 || index >= static_cast<int>(found->second.size())) {
        return kOfxStatErrBadIndex;
    }
    const T* stored = std::get_if<T>(&found->second[index]);
    if (stored == nullptr) {
        return kOfxStatErrValue;
    }
    *value = *stored;
    return kOfxStatOK;
}

OfxStatus FakeHost::setStringN(OfxPropertySetHandle set, const char* name, int count,
                               const char* const* values) {
    const auto refused = current()->_refused.find(name);
    if (refused != current()->_refused.end()) {
        return refused->second;
    }
    std::vector<Value> stored;
    for (int i = 0; i < count; ++i) {
        stored.emplace_back(std::string(values[i]));
    }
    setOf(set)->set(name, std::move(stored));
    return kOfxStatOK;
}

OfxStatus FakeHost::getString(OfxPropertySetHandle set, const char* name, int index, char** value) {
    const auto found = setOf(set)->_values.find(name);
    if (found == setOf(set)->_values.end()) {
        return kOfxStatErrUnknown;
    }
    if (index < 0 || index >= static_cast<int>(found->second.size())) {
        return kOfxStatErrBadIndex;
    }
    std::string* stored = std::get_if<std::string>(&found->second[index]);
    if (stored == nullptr) {
        return kOfxStatErrValue;
    }
    *value = stored->data();
    return kOfxStatOK;
}

OfxStatus FakeHost::getDimension(OfxPropertySetHandle set, const char* name, int* count) {
    const auto found = setOf(set)->_values.find(name);
    if (found == setOf(set)->_values.end()) {
        return kOfxStatErrUnknown;
    }
    *count = static_cast<int>(found->second.size());
    return kOfxStatOK;
}
