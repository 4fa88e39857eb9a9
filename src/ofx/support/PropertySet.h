#pragma once

#include <string>
#include <vector>

#include "ofx/api/ofx_core.h"

namespace OFX {

// Typed access to one host property set through the property suite. Every
// call checks the host's status and throws a SuiteError naming the property
// when it is not kOfxStatOK. Does not own the handle.
class PropertySet {
  public:
    explicit PropertySet(OfxPropertySetHandle handle);

    OfxPropertySetHandle handle() const { return _handle; }

    void setString(const char* name, const std::string& value, int index = 0) const;
    void setInt(const char* name, int value, int index = 0) const;
    void setDouble(const char* name, double value, int index = 0) const;
    // Sets the whole property to `values`, in order.
    void setStrings(const char* name, const std::vector<std::string>& values) const;

    std::string getString(const char* name, int index = 0) const;
    int getInt(const char* name, int index = 0) const;
    double getDouble(const char* name, int index = 0) const;
    void* getPointer(const char* name, int index = 0) const;
    int getDimension(const char* name) const;

  private:
    OfxPropertySetHandle _handle;
};

}  // namespace OFX
