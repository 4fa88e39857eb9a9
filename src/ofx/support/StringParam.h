#pragma once

#include <string>

#include "ofx/support/Param.h"

namespace OFX {

// A text (also a file path). Values are copied out of the host at once: the
// host's text is only valid until its next call.
class StringParam : public Param {
  public:
    static constexpr const char* kType = kOfxParamTypeString;
    using Param::Param;

    std::string getValue() const;
    std::string getValueAtTime(double time) const;
    void setValue(const std::string& value);
};

}  // namespace OFX
