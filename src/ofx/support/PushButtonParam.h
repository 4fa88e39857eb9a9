#pragma once

#include "ofx/support/Param.h"

namespace OFX {

// A button: it has no value, only the instance-changed action it causes.
class PushButtonParam : public Param {
  public:
    static constexpr const char* kType = kOfxParamTypePushButton;
    using Param::Param;
};

}  // namespace OFX
