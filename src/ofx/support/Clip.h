#pragma once

#include <string>

#include "ofx/api/ofx_image_effect.h"
#include "ofx/support/PropertySet.h"

namespace OFX {

// A clip of an effect instance, fetched by name from the host. The host owns
// the clip; this object wraps its handle and properties and is owned by the
// ImageEffect that fetched it.
class Clip {
  public:
    Clip(OfxImageClipHandle handle, std::string name, OfxPropertySetHandle properties);
    Clip(const Clip&) = delete;
    Clip& operator=(const Clip&) = delete;

    OfxImageClipHandle getHandle() const { return _handle; }
    const std::string& getName() const { return _name; }
    const PropertySet& getPropertySet() const { return _properties; }

  private:
    OfxImageClipHandle _handle;
    std::string _name;
    PropertySet _properties;
};

}  // namespace OFX
