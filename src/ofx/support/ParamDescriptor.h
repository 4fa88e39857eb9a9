#pragma once

#include <string>

#include "ofx/api/ofx_core.h"
#include "ofx/support/ParamTypeEnum.h"
#include "ofx/support/PropertySet.h"

namespace OFX {

class GroupParamDescriptor;

// One parameter declared in describe-in-context: the properties every kind
// shares. The typed descriptors add their own. Every refusal by the host
// throws a SuiteError. Owned by the ImageEffectDescriptor that defined it.
class ParamDescriptor {
  public:
    ParamDescriptor(std::string name, ParamTypeEnum type, OfxPropertySetHandle properties);
    ParamDescriptor(const ParamDescriptor&) = delete;
    ParamDescriptor& operator=(const ParamDescriptor&) = delete;
    virtual ~ParamDescriptor() = default;

    const std::string& getName() const { return _name; }
    ParamTypeEnum getType() const { return _type; }
    const PropertySet& getPropertySet() const { return _properties; }

    void setLabels(const std::string& label, const std::string& shortLabel,
                   const std::string& longLabel);
    void setHint(const std::string& hint);
    // Puts the parameter inside `group` on the host's panel.
    void setParent(const GroupParamDescriptor& group);

  private:
    std::string _name;
    ParamTypeEnum _type;
    PropertySet _properties;
};

}  // namespace OFX
