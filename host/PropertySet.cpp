#include "PropertySet.h"

#include "HostError.h"
#include "StatusNames.h"

namespace ofxhost {

namespace {

void check(OfxStatus status, const std::string& name) {
    if (status != kOfxStatOK) {
        throw HostError("property " + name + ": " + statusName(status));
    }
}

}  // namespace

PropertySet::PropertySet() = default;

PropertySet* PropertySet::fromHandle(OfxPropertySetHandle handle) {
    return LiveHandles<PropertySet>::find(handle);
}

OfxPropertySetHandle PropertySet::handle() const {
    return reinterpret_cast<OfxPropertySetHandle>(const_cast<PropertySet*>(this));
}

PropertySet& PropertySet::add(const std::string& name, Property::Values defaults, int dimension) {
    if (dimension == kDefaultsSize) {
        dimension = std::visit([](const auto& v) { return static_cast<int>(v.size()); }, defaults);
    }
    _properties.insert_or_assign(name, Property(std::move(defaults), dimension));
    return *this;
}

PropertySet& PropertySet::addInt(const std::string& name, std::vector<int> defaults,
                                 int dimension) {
    return add(name, std::move(defaults), dimension);
}

PropertySet& PropertySet::addDouble(const std::string& name, std::vector<double> defaults,
                                    int dimension) {
    return add(name, std::move(defaults), dimension);
}

PropertySet& PropertySet::addString(const std::string& name, std::vector<std::string> defaults,
                                    int dimension) {
    return add(name, std::move(defaults), dimension);
}

PropertySet& PropertySet::addPointer(const std::string& name, std::vector<void*> defaults,
                                     int dimension) {
    return add(name, std::move(defaults), dimension);
}

void PropertySet::remove(const std::string& name) {
    _properties.erase(name);
}

void PropertySet::assign(const PropertySet& other) {
    _properties = other._properties;
}

Property* PropertySet::find(const char* name) {
    if (name == nullptr) {
        return nullptr;
    }
    auto it = _properties.find(name);
    return it == _properties.end() ? nullptr : &it->second;
}

const Property* PropertySet::find(const std::string& name) const {
    auto it = _properties.find(name);
    return it == _properties.end() ? nullptr : &it->second;
}

const Property& PropertySet::require(const std::string& name) const {
    const Property* property = find(name);
    if (property == nullptr) {
        throw HostError("property " + name + " is not defined on this set");
    }
    return *property;
}

Property& PropertySet::require(const std::string& name) {
    return const_cast<Property&>(static_cast<const PropertySet*>(this)->require(name));
}

template <typename T>
T PropertySet::getValue(const std::string& name, int index) const {
    const T* value = nullptr;
    check(require(name).get(index, value), name);
    return *value;
}

template <typename T>
std::vector<T> PropertySet::getValues(const std::string& name) const {
    const auto* values = std::get_if<std::vector<T>>(&require(name).values());
    if (values == nullptr) {
        check(kOfxStatErrUnknown, name);
    }
    return *values;
}

template <typename T>
void PropertySet::setValue(const std::string& name, T value, int index) {
    check(require(name).set(index, std::move(value)), name);
}

template <typename T>
void PropertySet::setValues(const std::string& name, const std::vector<T>& values) {
    check(require(name).setN(static_cast<int>(values.size()), values.data()), name);
}

int PropertySet::getInt(const std::string& name, int index) const {
    return getValue<int>(name, index);
}

double PropertySet::getDouble(const std::string& name, int index) const {
    return getValue<double>(name, index);
}

std::string PropertySet::getString(const std::string& name, int index) const {
    return getValue<std::string>(name, index);
}

void* PropertySet::getPointer(const std::string& name, int index) const {
    return getValue<void*>(name, index);
}

std::vector<int> PropertySet::getInts(const std::string& name) const {
    return getValues<int>(name);
}

std::vector<double> PropertySet::getDoubles(const std::string& name) const {
    return getValues<double>(name);
}

std::vector<std::string> PropertySet::getStrings(const std::string& name) const {
    return getValues<std::string>(name);
}

void PropertySet::setInt(const std::string& name, int value, int index) {
    setValue(name, value, index);
}

void PropertySet::setDouble(const std::string& name, double value, int index) {
    setValue(name, value, index);
}

void PropertySet::setString(const std::string& name, const std::string& value, int index) {
    setValue(name, value, index);
}

void PropertySet::setPointer(const std::string& name, void* value, int index) {
    setValue(name, value, index);
}

void PropertySet::setInts(const std::string& name, const std::vector<int>& values) {
    setValues(name, values);
}

void PropertySet::setDoubles(const std::string& name, const std::vector<double>& values) {
    setValues(name, values);
}

void PropertySet::setStrings(const std::string& name, const std::vector<std::string>& values) {
    setValues(name, values);
}

}  // namespace ofxhost
