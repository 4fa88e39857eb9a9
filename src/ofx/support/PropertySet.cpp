#include "ofx/support/PropertySet.h"

#include "ofx/support/SuiteError.h"
#include "ofx/support/Suites.h"

namespace OFX {

namespace {

std::string setFailure(const char* name, int index) {
    return "Failed to set property " + std::string(name) + "[" + std::to_string(index) + "]";
}

std::string getFailure(const char* name, int index) {
    return "Failed to get property " + std::string(name) + "[" + std::to_string(index) + "]";
}

}  // namespace

PropertySet::PropertySet(OfxPropertySetHandle handle) : _handle(handle) {}

void PropertySet::setString(const char* name, const std::string& value, int index) const {
    throwIfFailed(Private::propertySuite().propSetString(_handle, name, index, value.c_str()),
                  setFailure(name, index));
}

void PropertySet::setInt(const char* name, int value, int index) const {
    throwIfFailed(Private::propertySuite().propSetInt(_handle, name, index, value),
                  setFailure(name, index));
}

void PropertySet::setDouble(const char* name, double value, int index) const {
    throwIfFailed(Private::propertySuite().propSetDouble(_handle, name, index, value),
                  setFailure(name, index));
}

void PropertySet::setStrings(const char* name, const std::vector<std::string>& values) const {
    std::vector<const char*> texts;
    texts.reserve(values.size());
    for (const std::string& value : values) {
        texts.push_back(value.c_str());
    }
    const int count = static_cast<int>(texts.size());
    throwIfFailed(
        Private::propertySuite().propSetStringN(_handle, name, count, texts.data()),
        "Failed to set property " + std::string(name) + " to " + std::to_string(count) + " values");
}

std::string PropertySet::getString(const char* name, int index) const {
    char* value = nullptr;
    throwIfFailed(Private::propertySuite().propGetString(_handle, name, index, &value),
                  getFailure(name, index));
    // The host's text is only valid until the next host call.
    return value ? std::string(value) : std::string();
}

int PropertySet::getInt(const char* name, int index) const {
    int value = 0;
    throwIfFailed(Private::propertySuite().propGetInt(_handle, name, index, &value),
                  getFailure(name, index));
    return value;
}

double PropertySet::getDouble(const char* name, int index) const {
    double value = 0.0;
    throwIfFailed(Private::propertySuite().propGetDouble(_handle, name, index, &value),
                  getFailure(name, index));
    return value;
}

void* PropertySet::getPointer(const char* name, int index) const {
    void* value = nullptr;
    throwIfFailed(Private::propertySuite().propGetPointer(_handle, name, index, &value),
                  getFailure(name, index));
    return value;
}

int PropertySet::getDimension(const char* name) const {
    int count = 0;
    throwIfFailed(Private::propertySuite().propGetDimension(_handle, name, &count),
                  "Failed to get the dimension of property " + std::string(name));
    return count;
}

}  // namespace OFX
