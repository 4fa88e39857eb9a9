#include "Clip.h"

#include "EffectProperties.h"

namespace ofxhost {

Clip::Clip(const std::string& name) : _name(name) {
    defineClipDescriptorProperties(_properties, name);
}

Clip::Clip(const Clip& descriptor, bool connected) : _name(descriptor._name) {
    _properties.assign(descriptor._properties);
    defineClipInstanceProperties(_properties, connected);
}

Clip* Clip::fromHandle(OfxImageClipHandle handle) {
    return LiveHandles<Clip>::find(handle);
}

OfxImageClipHandle Clip::handle() const {
    return reinterpret_cast<OfxImageClipHandle>(const_cast<Clip*>(this));
}

}  // namespace ofxhost
