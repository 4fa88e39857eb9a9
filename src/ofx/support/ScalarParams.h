#pragma once

#include "ofx/support/Param.h"

namespace OFX {

// One floating-point value.
class DoubleParam : public Param {
  public:
    static constexpr const char* kType = kOfxParamTypeDouble;
    using Param::Param;

    double getValue() const;
    double getValueAtTime(double time) const;
    void setValue(double value);
};

// One integer value.
class IntParam : public Param {
  public:
    static constexpr const char* kType = kOfxParamTypeInteger;
    using Param::Param;

    int getValue() const;
    int getValueAtTime(double time) const;
    void setValue(int value);
};

// A check box; the host holds it as an integer 0 or 1.
class BooleanParam : public Param {
  public:
    static constexpr const char* kType = kOfxParamTypeBoolean;
    using Param::Param;

    bool getValue() const;
    bool getValueAtTime(double time) const;
    void setValue(bool value);
};

}  // namespace OFX
