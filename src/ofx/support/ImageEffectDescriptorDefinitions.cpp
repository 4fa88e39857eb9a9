// The describe-in-context half of ImageEffectDescriptor: clips and parameters.

#include <utility>

#include "ofx/support/BooleanParamDescriptor.h"
#include "ofx/support/ChoiceParamDescriptor.h"
#include "ofx/support/ColourParamDescriptors.h"
#include "ofx/support/GroupParamDescriptor.h"
#include "ofx/support/ImageEffectDescriptor.h"
#include "ofx/support/NumericParamDescriptors.h"
#include "ofx/support/PageParamDescriptor.h"
#include "ofx/support/ParametricParamDescriptor.h"
#include "ofx/support/PushButtonParamDescriptor.h"
#include "ofx/support/StringParamDescriptor.h"
#include "ofx/support/SuiteError.h"
#include "ofx/support/Suites.h"

namespace OFX {

ClipDescriptor& ImageEffectDescriptor::defineClip(const std::string& name) {
    const auto found = _clips.find(name);
    if (found != _clips.end()) {
        return *found->second;
    }
    const auto& define =
        Private::suiteFunction(Private::imageEffectSuite().clipDefine, "clipDefine");
    OfxPropertySetHandle properties = nullptr;
    throwIfFailed(define(_handle, name.c_str(), &properties), "Failed to define clip " + name);
    if (properties == nullptr) {
        throw SuiteError(kOfxStatErrBadHandle, "Host gave no property set for clip " + name);
    }
    auto clip = std::make_unique<ClipDescriptor>(name, properties);
    ClipDescriptor& defined = *clip;
    _clips.emplace(name, std::move(clip));
    return defined;
}

template <class Descriptor, class... Extra>
Descriptor* ImageEffectDescriptor::defineParam(const std::string& name, Extra... extra) {
    const auto found = _params.find(name);
    if (found != _params.end()) {
        ParamDescriptor* existing = found->second.get();
        return existing->getType() == Descriptor::TYPE ? static_cast<Descriptor*>(existing)
                                                       : nullptr;
    }
    const auto& define =
        Private::suiteFunction(Private::parameterSuite().paramDefine, "paramDefine");
    OfxPropertySetHandle properties = nullptr;
    throwIfFailed(define(paramSet(), paramTypeName(Descriptor::TYPE), name.c_str(), &properties),
                  "Failed to define parameter " + name);
    if (properties == nullptr) {
        throw SuiteError(kOfxStatErrBadHandle, "Host gave no property set for parameter " + name);
    }
    auto descriptor = std::make_unique<Descriptor>(name, properties, extra...);
    Descriptor* defined = descriptor.get();
    _params.emplace(name, std::move(descriptor));
    return defined;
}

DoubleParamDescriptor* ImageEffectDescriptor::defineDoubleParam(const std::string& name) {
    return defineParam<DoubleParamDescriptor>(name);
}

IntParamDescriptor* ImageEffectDescriptor::defineIntParam(const std::string& name) {
    return defineParam<IntParamDescriptor>(name);
}

BooleanParamDescriptor* ImageEffectDescriptor::defineBooleanParam(const std::string& name) {
    return defineParam<BooleanParamDescriptor>(name);
}

ChoiceParamDescriptor* ImageEffectDescriptor::defineChoiceParam(const std::string& name) {
    return defineParam<ChoiceParamDescriptor>(name);
}

RGBParamDescriptor* ImageEffectDescriptor::defineRGBParam(const std::string& name) {
    return defineParam<RGBParamDescriptor>(name);
}

RGBAParamDescriptor* ImageEffectDescriptor::defineRGBAParam(const std::string& name) {
    return defineParam<RGBAParamDescriptor>(name);
}

Double2DParamDescriptor* ImageEffectDescriptor::defineDouble2DParam(const std::string& name) {
    return defineParam<Double2DParamDescriptor>(name);
}

Double3DParamDescriptor* ImageEffectDescriptor::defineDouble3DParam(const std::string& name) {
    return defineParam<Double3DParamDescriptor>(name);
}

StringParamDescriptor* ImageEffectDescriptor::defineStringParam(const std::string& name) {
    return defineParam<StringParamDescriptor>(name);
}

PushButtonParamDescriptor* ImageEffectDescriptor::definePushButtonParam(const std::string& name) {
    return defineParam<PushButtonParamDescriptor>(name);
}

GroupParamDescriptor* ImageEffectDescriptor::defineGroupParam(const std::string& name) {
    return defineParam<GroupParamDescriptor>(name);
}

PageParamDescriptor* ImageEffectDescriptor::definePageParam(const std::string& name) {
    return defineParam<PageParamDescriptor>(name);
}

ParametricParamDescriptor* ImageEffectDescriptor::defineParametricParam(const std::string& name) {
    if (_params.count(name) == 0 && Private::gParametricParameterSuite == nullptr) {
        throw SuiteError(kOfxStatErrMissingHostFeature,
                         "Host has no parametric parameter suite to define " + name);
    }
    return defineParam<ParametricParamDescriptor>(name, paramSet());
}

ParamDescriptor* ImageEffectDescriptor::getParamDescriptor(const std::string& name) {
    const auto found = _params.find(name);
    return found == _params.end() ? nullptr : found->second.get();
}

OfxParamSetHandle ImageEffectDescriptor::paramSet() {
    if (_paramSet == nullptr) {
        const auto& get =
            Private::suiteFunction(Private::imageEffectSuite().getParamSet, "getParamSet");
        throwIfFailed(get(_handle, &_paramSet),
                      "Failed to get the effect descriptor's parameter set");
        if (_paramSet == nullptr) {
            throw SuiteError(kOfxStatErrBadHandle, "Host gave a null parameter set");
        }
    }
    return _paramSet;
}

}  // namespace OFX
