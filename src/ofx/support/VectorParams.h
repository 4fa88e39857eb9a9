#pragma once

#include "ofx/support/Param.h"

namespace OFX {

// A 2D floating-point value, such as a position.
class Double2DParam : public Param {
  public:
    static constexpr const char* kType = kOfxParamTypeDouble2D;
    using Param::Param;

    void getValue(double& x, double& y) const;
    void getValueAtTime(double time, double& x, double& y) const;
    void setValue(double x, double y);
};

// A 3D floating-point value.
class Double3DParam : public Param {
  public:
    static constexpr const char* kType = kOfxParamTypeDouble3D;
    using Param::Param;

    void getValue(double& x, double& y, double& z) const;
    void getValueAtTime(double time, double& x, double& y, double& z) const;
    void setValue(double x, double y, double z);
};

}  // namespace OFX
