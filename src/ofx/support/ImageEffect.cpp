#include "ofx/support/ImageEffect.h"

#include "ofx/support/SuiteError.h"
#include "ofx/support/Suites.h"

namespace OFX {

namespace {

OfxPropertySetHandle instanceProperties(OfxImageEffectHandle handle) {
    const auto& get =
        Private::suiteFunction(Private::imageEffectSuite().getPropertySet, "getPropertySet");
    OfxPropertySetHandle properties = nullptr;
    throwIfFailed(get(handle, &properties), "Failed to get the instance's property set");
    if (properties == nullptr) {
        throw SuiteError(kOfxStatErrBadHandle, "The host gave no property set for the instance");
    }
    return properties;
}

OfxParamSetHandle instanceParamSet(OfxImageEffectHandle handle) {
    const auto& get =
        Private::suiteFunction(Private::imageEffectSuite().getParamSet, "getParamSet");
    OfxParamSetHandle paramSet = nullptr;
    throwIfFailed(get(handle, &paramSet), "Failed to get the instance's parameter set");
    if (paramSet == nullptr) {
        throw SuiteError(kOfxStatErrBadHandle, "The host gave no parameter set for the instance");
    }
    return paramSet;
}

}  // namespace

ImageEffect::ImageEffect(OfxImageEffectHandle handle)
    : _handle(handle),
      _properties(instanceProperties(handle)),
      _paramSet(instanceParamSet(handle)) {}

ImageEffect::~ImageEffect() = default;

void ImageEffect::render(const RenderArguments&) {
    throw SuiteError(kOfxStatFailed, "Rendering is not available in this build");
}

bool ImageEffect::isIdentity(const IsIdentityArguments&, Clip*&, double&) {
    return false;
}

void ImageEffect::changedParam(const InstanceChangedArgs&, const std::string&) {}

Clip* ImageEffect::fetchClip(const std::string& name) {
    std::lock_guard<std::mutex> lock(_fetchMutex);
    const auto found = _clips.find(name);
    if (found != _clips.end()) {
        return found->second.get();
    }
    const auto& get =
        Private::suiteFunction(Private::imageEffectSuite().clipGetHandle, "clipGetHandle");
    OfxImageClipHandle clip = nullptr;
    OfxPropertySetHandle properties = nullptr;
    throwIfFailed(get(_handle, name.c_str(), &clip, &properties), "Failed to fetch clip " + name);
    if (clip == nullptr || properties == nullptr) {
        throw SuiteError(kOfxStatErrBadHandle, "The host gave no handle for clip " + name);
    }
    return _clips.emplace(name, std::make_unique<Clip>(clip, name, properties)).first->second.get();
}

template <class T>
T* ImageEffect::fetchParam(const std::string& name) {
    std::lock_guard<std::mutex> lock(_fetchMutex);
    const auto found = _params.find(name);
    if (found != _params.end()) {
        T* typed = dynamic_cast<T*>(found->second.get());
        if (typed == nullptr) {
            throw SuiteError(kOfxStatErrValue, "Parameter " + name + " is not of type " + T::kType);
        }
        return typed;
    }
    const auto& get =
        Private::suiteFunction(Private::parameterSuite().paramGetHandle, "paramGetHandle");
    OfxParamHandle param = nullptr;
    OfxPropertySetHandle properties = nullptr;
    throwIfFailed(get(_paramSet, name.c_str(), &param, &properties),
                  "Failed to fetch parameter " + name);
    if (param == nullptr || properties == nullptr) {
        throw SuiteError(kOfxStatErrBadHandle, "The host gave no handle for parameter " + name);
    }
    const std::string type = PropertySet(properties).getString(kOfxParamPropType);
    if (type != T::kType) {
        throw SuiteError(kOfxStatErrValue,
                         "Parameter " + name + " is of type " + type + ", not " + T::kType);
    }
    auto typed = std::make_unique<T>(param, name, properties);
    T* result = typed.get();
    _params.emplace(name, std::move(typed));
    return result;
}

DoubleParam* ImageEffect::fetchDoubleParam(const std::string& name) {
    return fetchParam<DoubleParam>(name);
}

IntParam* ImageEffect::fetchIntParam(const std::string& name) {
    return fetchParam<IntParam>(name);
}

BooleanParam* ImageEffect::fetchBooleanParam(const std::string& name) {
    return fetchParam<BooleanParam>(name);
}

ChoiceParam* ImageEffect::fetchChoiceParam(const std::string& name) {
    return fetchParam<ChoiceParam>(name);
}

RGBParam* ImageEffect::fetchRGBParam(const std::string& name) {
    return fetchParam<RGBParam>(name);
}

RGBAParam* ImageEffect::fetchRGBAParam(const std::string& name) {
    return fetchParam<RGBAParam>(name);
}

Double2DParam* ImageEffect::fetchDouble2DParam(const std::string& name) {
    return fetchParam<Double2DParam>(name);
}

Double3DParam* ImageEffect::fetchDouble3DParam(const std::string& name) {
    return fetchParam<Double3DParam>(name);
}

StringParam* ImageEffect::fetchStringParam(const std::string& name) {
    return fetchParam<StringParam>(name);
}

PushButtonParam* ImageEffect::fetchPushButtonParam(const std::string& name) {
    return fetchParam<PushButtonParam>(name);
}

void ImageEffect::beginEditBlock(const std::string& name) {
    const auto& begin =
        Private::suiteFunction(Private::parameterSuite().paramEditBegin, "paramEditBegin");
    throwIfFailed(begin(_paramSet, name.c_str()), "Failed to begin the edit block " + name);
}

void ImageEffect::endEditBlock() {
    const auto& end =
        Private::suiteFunction(Private::parameterSuite().paramEditEnd, "paramEditEnd");
    throwIfFailed(end(_paramSet), "Failed to end an edit block");
}

}  // namespace OFX
