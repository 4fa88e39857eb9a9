#pragma once

#include "ofx/support/Param.h"

namespace OFX {

// A colour of three channels.
class RGBParam : public Param {
  public:
    static constexpr const char* kType = kOfxParamTypeRGB;
    using Param::Param;

    void getValue(double& r, double& g, double& b) const;
    void getValueAtTime(double time, double& r, double& g, double& b) const;
    void setValue(double r, double g, double b);
};

// A colour with alpha.
class RGBAParam : public Param {
  public:
    static constexpr const char* kType = kOfxParamTypeRGBA;
    using Param::Param;

    void getValue(double& r, double& g, double& b, double& a) const;
    void getValueAtTime(double time, double& r, double& g, double& b, double& a) const;
    void setValue(double r, double g, double b, double a);
};

}  // namespace OFX
