#include "ofx/support/ClipDescriptor.h"

#include <algorithm>
#include <utility>

#include "ofx/api/ofx_image_effect.h"

namespace OFX {

ClipDescriptor::ClipDescriptor(std::string name, OfxPropertySetHandle properties)
    : _name(std::move(name)), _properties(properties) {}

void ClipDescriptor::addSupportedComponent(PixelComponentEnum components) {
    const std::string name = pixelComponentName(components);
    if (std::find(_components.begin(), _components.end(), name) != _components.end()) {
        return;
    }
    _properties.setString(kOfxImageEffectPropSupportedComponents, name,
                          static_cast<int>(_components.size()));
    _components.push_back(name);
}

void ClipDescriptor::setTemporalClipAccess(bool enabled) {
    _properties.setInt(kOfxImageEffectPropTemporalClipAccess, enabled ? 1 : 0);
}

void ClipDescriptor::setSupportsTiles(bool enabled) {
    _properties.setInt(kOfxImageEffectPropSupportsTiles, enabled ? 1 : 0);
}

void ClipDescriptor::setOptional(bool optional) {
    _properties.setInt(kOfxImageClipPropOptional, optional ? 1 : 0);
}

void ClipDescriptor::setIsMask(bool isMask) {
    _properties.setInt(kOfxImageClipPropIsMask, isMask ? 1 : 0);
}

}  // namespace OFX
