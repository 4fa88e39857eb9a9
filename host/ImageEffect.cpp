#include "ImageEffect.h"

#include "EffectProperties.h"
#include "Host.h"
#include "ofx/api/ofx_image_effect.h"
#include "ofx/api/ofx_param.h"

namespace ofxhost {

ImageEffect::ImageEffect(Key, Host& host, Kind kind)
    : _host(host),
      _kind(kind),
      _params(host, kind == Kind::Instance ? _properties : _paramSetProperties) {}

std::unique_ptr<ImageEffect> ImageEffect::describeDescriptor(Host& host,
                                                             const std::string& bundlePath) {
    auto effect = std::make_unique<ImageEffect>(Key(), host, Kind::Descriptor);
    defineEffectDescriptorProperties(effect->_properties, host.options(), bundlePath);
    defineParamSetProperties(effect->_paramSetProperties);
    return effect;
}

std::unique_ptr<ImageEffect> ImageEffect::contextDescriptor(const ImageEffect& described) {
    auto effect = std::make_unique<ImageEffect>(Key(), described._host, Kind::Descriptor);
    effect->_properties.assign(described._properties);
    defineParamSetProperties(effect->_paramSetProperties);
    return effect;
}

std::unique_ptr<ImageEffect> ImageEffect::instance(const ImageEffect& contextDescriptor,
                                                   const std::string& context) {
    auto effect = std::make_unique<ImageEffect>(Key(), contextDescriptor._host, Kind::Instance);
    defineEffectInstanceProperties(effect->_properties, context, contextDescriptor.handle());
    // A plug-in may narrow tiling on the descriptor; the instance starts from that.
    effect->_properties.setInt(
        kOfxImageEffectPropSupportsTiles,
        contextDescriptor._properties.getInt(kOfxImageEffectPropSupportsTiles));
    const PropertySet& described = contextDescriptor._paramSetProperties;
    effect->_properties.setStrings(kOfxPluginPropParamPageOrder,
                                   described.getStrings(kOfxPluginPropParamPageOrder));
    effect->_properties.setInt(kOfxPropParamSetNeedsSyncing,
                               described.getInt(kOfxPropParamSetNeedsSyncing));
    for (const auto& clip : contextDescriptor._clips) {
        const bool connected = clip->properties().getInt(kOfxImageClipPropOptional) == 0;
        effect->_clips.push_back(std::make_unique<Clip>(*clip, connected));
    }
    effect->_params.instantiate(contextDescriptor._params);
    return effect;
}

ImageEffect* ImageEffect::fromHandle(OfxImageEffectHandle handle) {
    return LiveHandles<ImageEffect>::find(handle);
}

OfxImageEffectHandle ImageEffect::handle() const {
    return reinterpret_cast<OfxImageEffectHandle>(const_cast<ImageEffect*>(this));
}

OfxStatus ImageEffect::defineClip(const std::string& name, Clip*& clip) {
    if (findClip(name) != nullptr) {
        return kOfxStatErrExists;
    }
    _clips.push_back(std::make_unique<Clip>(name));
    clip = _clips.back().get();
    return kOfxStatOK;
}

Clip* ImageEffect::findClip(const std::string& name) const {
    for (const auto& clip : _clips) {
        if (clip->name() == name) {
            return clip.get();
        }
    }
    return nullptr;
}

}  // namespace ofxhost
