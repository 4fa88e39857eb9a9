#pragma once

#include <map>
#include <string>
#include <vector>

#include "LiveHandles.h"
#include "Property.h"
#include "ofx/api/ofx_core.h"

namespace ofxhost {

// A named collection of typed properties behind one OfxPropertySetHandle. The
// host defines which properties a set has; a plug-in can only read and write
// those (anything else is kOfxStatErrUnknown). Not copyable: the handle is the
// object's address.
class PropertySet {
  public:
    PropertySet();
    PropertySet(const PropertySet&) = delete;
    PropertySet& operator=(const PropertySet&) = delete;

    // The live set behind a handle, or null.
    static PropertySet* fromHandle(OfxPropertySetHandle handle);
    OfxPropertySetHandle handle() const;

    // Definitions (replace an earlier one of the same name). A dimension of
    // Property::kVariable lets the property grow.
    PropertySet& addInt(const std::string& name, std::vector<int> defaults,
                        int dimension = kDefaultsSize);
    PropertySet& addDouble(const std::string& name, std::vector<double> defaults,
                           int dimension = kDefaultsSize);
    PropertySet& addString(const std::string& name, std::vector<std::string> defaults,
                           int dimension = kDefaultsSize);
    PropertySet& addPointer(const std::string& name, std::vector<void*> defaults,
                            int dimension = kDefaultsSize);
    void remove(const std::string& name);
    // Takes over every definition and value of `other`.
    void assign(const PropertySet& other);

    Property* find(const char* name);
    const Property* find(const std::string& name) const;
    bool has(const std::string& name) const { return find(name) != nullptr; }
    const std::map<std::string, Property>& properties() const { return _properties; }

    // Host-side access; a missing property or a wrong type or index is a
    // host bug and throws HostError.
    int getInt(const std::string& name, int index = 0) const;
    double getDouble(const std::string& name, int index = 0) const;
    std::string getString(const std::string& name, int index = 0) const;
    void* getPointer(const std::string& name, int index = 0) const;
    std::vector<int> getInts(const std::string& name) const;
    std::vector<double> getDoubles(const std::string& name) const;
    std::vector<std::string> getStrings(const std::string& name) const;

    void setInt(const std::string& name, int value, int index = 0);
    void setDouble(const std::string& name, double value, int index = 0);
    void setString(const std::string& name, const std::string& value, int index = 0);
    void setPointer(const std::string& name, void* value, int index = 0);
    void setInts(const std::string& name, const std::vector<int>& values);
    void setDoubles(const std::string& name, const std::vector<double>& values);
    void setStrings(const std::string& name, const std::vector<std::string>& values);

  private:
    static constexpr int kDefaultsSize = -2;

    PropertySet& add(const std::string& name, Property::Values defaults, int dimension);
    const Property& require(const std::string& name) const;
    Property& require(const std::string& name);
    template <typename T>
    T getValue(const std::string& name, int index) const;
    template <typename T>
    std::vector<T> getValues(const std::string& name) const;
    template <typename T>
    void setValue(const std::string& name, T value, int index);
    template <typename T>
    void setValues(const std::string& name, const std::vector<T>& values);

    std::map<std::string, Property> _properties;
    HandleRegistration<PropertySet> _registration{this};
};

}  // namespace ofxhost
