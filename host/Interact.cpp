#include "Interact.h"

#include "EffectProperties.h"

namespace ofxhost {

Interact::Interact(OfxPluginEntryPoint* entry) : _entry(entry) {
    defineInteractDescriptorProperties(_properties);
}

Interact* Interact::fromHandle(OfxInteractHandle handle) {
    return LiveHandles<Interact>::find(handle);
}

OfxInteractHandle Interact::handle() const {
    return reinterpret_cast<OfxInteractHandle>(const_cast<Interact*>(this));
}

}  // namespace ofxhost
