#pragma once

#include <string>
#include <vector>

#include "ofx/api/ofx_core.h"
#include "ofx/support/PixelComponentEnum.h"
#include "ofx/support/PropertySet.h"

namespace OFX {

// One clip declared in describe-in-context: typed setters for the clip
// descriptor's properties. Every refusal by the host throws a SuiteError.
// Owned by the ImageEffectDescriptor that defined it.
class ClipDescriptor {
  public:
    ClipDescriptor(std::string name, OfxPropertySetHandle properties);
    ClipDescriptor(const ClipDescriptor&) = delete;
    ClipDescriptor& operator=(const ClipDescriptor&) = delete;

    const std::string& getName() const { return _name; }
    const PropertySet& getPropertySet() const { return _properties; }

    // Adds `components` to the layouts the clip accepts (once each).
    void addSupportedComponent(PixelComponentEnum components);
    void setTemporalClipAccess(bool enabled);
    void setSupportsTiles(bool enabled);
    void setOptional(bool optional);
    void setIsMask(bool isMask);

  private:
    std::string _name;
    PropertySet _properties;
    std::vector<std::string> _components;
};

}  // namespace OFX
