#pragma once

#include <string>

#include "LiveHandles.h"
#include "PropertySet.h"
#include "ofx/api/ofx_image_effect.h"

namespace ofxhost {

// A clip descriptor (from clipDefine) or a clip instance of an effect
// instance. Plug-ins see descriptors only through their property set.
class Clip {
  public:
    // A descriptor with the clip descriptor properties at their defaults.
    explicit Clip(const std::string& name);
    // An instance of `descriptor`: its described properties plus what the
    // host fills in for a connected clip.
    explicit Clip(const Clip& descriptor, bool connected);
    Clip(const Clip&) = delete;
    Clip& operator=(const Clip&) = delete;

    static Clip* fromHandle(OfxImageClipHandle handle);
    OfxImageClipHandle handle() const;

    const std::string& name() const { return _name; }
    PropertySet& properties() { return _properties; }
    const PropertySet& properties() const { return _properties; }

  private:
    std::string _name;
    PropertySet _properties;
    HandleRegistration<Clip> _registration{this};
};

}  // namespace ofxhost
