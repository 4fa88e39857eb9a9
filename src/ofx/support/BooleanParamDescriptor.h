#pragma once

#include <string>

#include "ofx/support/ParamDescriptor.h"

namespace OFX {

// A checkbox.
class BooleanParamDescriptor : public ParamDescriptor {
  public:
    static constexpr ParamTypeEnum TYPE = ParamTypeEnum::Boolean;

    BooleanParamDescriptor(std::string name, OfxPropertySetHandle properties);

    void setDefault(bool value);
};

}  // namespace OFX
