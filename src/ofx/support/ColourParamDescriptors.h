#pragma once

#include <string>

#include "ofx/support/ParamDescriptor.h"

namespace OFX {

// A colour without alpha; channels are nominally 0 to 1.
class RGBParamDescriptor : public ParamDescriptor {
  public:
    static constexpr ParamTypeEnum TYPE = ParamTypeEnum::RGB;

    RGBParamDescriptor(std::string name, OfxPropertySetHandle properties);

    void setDefault(double red, double green, double blue);
};

// A colour with alpha; channels are nominally 0 to 1.
class RGBAParamDescriptor : public ParamDescriptor {
  public:
    static constexpr ParamTypeEnum TYPE = ParamTypeEnum::RGBA;

    RGBAParamDescriptor(std::string name, OfxPropertySetHandle properties);

    void setDefault(double red, double green, double blue, double alpha);
};

}  // namespace OFX
