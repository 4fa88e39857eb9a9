#include "ofx/support/Clip.h"

#include <utility>

namespace OFX {

Clip::Clip(OfxImageClipHandle handle, std::string name, OfxPropertySetHandle properties)
    : _handle(handle), _name(std::move(name)), _properties(properties) {}

}  // namespace OFX
