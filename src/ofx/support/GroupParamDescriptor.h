#pragma once

#include <string>

#include "ofx/support/ParamDescriptor.h"

namespace OFX {

// A group on the host's panel; parameters join it through setParent.
class GroupParamDescriptor : public ParamDescriptor {
  public:
    static constexpr ParamTypeEnum TYPE = ParamTypeEnum::Group;

    GroupParamDescriptor(std::string name, OfxPropertySetHandle properties);

    // Whether the group starts expanded.
    void setOpen(bool open);
};

}  // namespace OFX
