#pragma once

#include <string>

#include "ofx/support/ParamDescriptor.h"

namespace OFX {

// A text field, or with a file-path mode a file chooser.
class StringParamDescriptor : public ParamDescriptor {
  public:
    static constexpr ParamTypeEnum TYPE = ParamTypeEnum::String;

    StringParamDescriptor(std::string name, OfxPropertySetHandle properties);

    void setDefault(const std::string& value);
    // One of the "OfxParamStringIs..." modes.
    void setStringMode(const std::string& mode);
    // Whether a file path must name an existing file.
    void setFilePathExists(bool mustExist);
};

}  // namespace OFX
