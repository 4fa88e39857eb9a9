#pragma once

#include <string>

#include "ofx/support/ParamDescriptor.h"

namespace OFX {

// A drop-down list; its value is the index of the selected option.
class ChoiceParamDescriptor : public ParamDescriptor {
  public:
    static constexpr ParamTypeEnum TYPE = ParamTypeEnum::Choice;

    ChoiceParamDescriptor(std::string name, OfxPropertySetHandle properties);

    // Appends an option showing `text`; its index is the number of options before it.
    void appendOption(const std::string& text);
    void setDefault(int index);

  private:
    int _optionCount = 0;
};

}  // namespace OFX
