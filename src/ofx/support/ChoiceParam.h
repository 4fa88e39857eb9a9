#pragma once

#include <string>

#include "ofx/support/Param.h"

namespace OFX {

// A menu of options; the value is the selected option's index. Options may
// change at run time, but only by resetting or appending: hosts store the
// index, so reordering would change what a saved value means.
class ChoiceParam : public Param {
  public:
    static constexpr const char* kType = kOfxParamTypeChoice;
    using Param::Param;

    int getValue() const;
    int getValueAtTime(double time) const;
    void setValue(int index);

    // Removes every option.
    void resetOptions();
    // Adds `option` after the existing ones.
    void appendOption(const std::string& option);
    int getOptionCount() const;
};

}  // namespace OFX
