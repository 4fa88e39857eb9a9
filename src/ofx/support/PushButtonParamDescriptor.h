#pragma once

#include <string>
#include <utility>

#include "ofx/support/ParamDescriptor.h"

namespace OFX {

// A button: no value, pressing it reaches the instance as a parameter change.
class PushButtonParamDescriptor : public ParamDescriptor {
  public:
    static constexpr ParamTypeEnum TYPE = ParamTypeEnum::PushButton;

    PushButtonParamDescriptor(std::string name, OfxPropertySetHandle properties)
        : ParamDescriptor(std::move(name), TYPE, properties) {}
};

}  // namespace OFX
