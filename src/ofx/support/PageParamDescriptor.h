#pragma once

#include <string>
#include <vector>

#include "ofx/support/ParamDescriptor.h"

namespace OFX {

// A page of the host's panel, listing its children in order.
class PageParamDescriptor : public ParamDescriptor {
  public:
    static constexpr ParamTypeEnum TYPE = ParamTypeEnum::Page;

    PageParamDescriptor(std::string name, OfxPropertySetHandle properties);

    // Appends `child` to the page's children; a child already there stays
    // where it is.
    void addChild(const ParamDescriptor& child);

  private:
    std::vector<std::string> _children;
};

}  // namespace OFX
