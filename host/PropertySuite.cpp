#include "PropertySuite.h"

#include <map>
#include <string>
#include <vector>

#include "PropertySet.h"
#include "SuiteGuard.h"
#include "ofx/api/ofx_param.h"

namespace ofxhost {

namespace {

// Finds the property or reports why not.
template <typename Use>
OfxStatus withProperty(OfxPropertySetHandle handle, const char* name, Use&& use) {
    return withLive<PropertySet>(handle, [&](PropertySet& set) {
        Property* property = set.find(name);
        return property == nullptr ? kOfxStatErrUnknown : use(*property);
    });
}

// Setting a label also sets the short and long labels, and setting a range
// limit also sets the matching display limit, as the OFX standard describes.
void updateFollowers(OfxPropertySetHandle handle, const char* name) {
    static const std::map<std::string, std::vector<std::string>> followers = {
        {kOfxPropLabel, {kOfxPropShortLabel, kOfxPropLongLabel}},
        {kOfxParamPropMin, {kOfxParamPropDisplayMin}},
        {kOfxParamPropMax, {kOfxParamPropDisplayMax}},
    };
    const auto it = followers.find(name);
    if (it == followers.end()) {
        return;
    }
    PropertySet* set = PropertySet::fromHandle(handle);
    const Property* leader = set->find(name);
    for (const std::string& follower : it->second) {
        if (Property* property = set->find(follower.c_str())) {
            property->copyValuesFrom(*leader);
        }
    }
}

template <typename T>
OfxStatus setOne(OfxPropertySetHandle handle, const char* name, int index, T value) {
    return withProperty(handle, name, [&](Property& p) {
        const OfxStatus status = p.set(index, value);
        if (status == kOfxStatOK) {
            updateFollowers(handle, name);
        }
        return status;
    });
}

template <typename T>
OfxStatus setMany(OfxPropertySetHandle handle, const char* name, int count, const T* values) {
    return withProperty(handle, name, [&](Property& p) {
        const OfxStatus status = p.setN(count, values);
        if (status == kOfxStatOK) {
            updateFollowers(handle, name);
        }
        return status;
    });
}

// What a getter hands out: the value itself, or for a string its text, which
// stays valid until the property next changes.
template <typename T>
T exported(const T& value) {
    return value;
}

char* exported(const std::string& value) {
    return const_cast<char*>(value.c_str());
}

template <typename T, typename Out>
OfxStatus getOne(OfxPropertySetHandle handle, const char* name, int index, Out* out) {
    if (out == nullptr) {
        return kOfxStatErrValue;
    }
    return withProperty(handle, name, [&](Property& p) {
        const T* value = nullptr;
        const OfxStatus status = p.get(index, value);
        if (status == kOfxStatOK) {
            *out = exported(*value);
        }
        return status;
    });
}

template <typename T, typename Out>
OfxStatus getMany(OfxPropertySetHandle handle, const char* name, int count, Out* out) {
    if (count > 0 && out == nullptr) {
        return kOfxStatErrValue;
    }
    return withProperty(handle, name, [&](Property& p) {
        if (count < 0 || count > p.dimension()) {
            return kOfxStatErrBadIndex;
        }
        for (int i = 0; i < count; ++i) {
            const T* value = nullptr;
            const OfxStatus status = p.get(i, value);
            if (status != kOfxStatOK) {
                return status;
            }
            out[i] = exported(*value);
        }
        return kOfxStatOK;
    });
}

OfxStatus propSetPointer(OfxPropertySetHandle h, const char* name, int index, void* value) {
    return setOne<void*>(h, name, index, value);
}

OfxStatus propSetString(OfxPropertySetHandle h, const char* name, int index, const char* value) {
    if (value == nullptr) {
        return kOfxStatErrValue;
    }
    return setOne<std::string>(h, name, index, value);
}

OfxStatus propSetDouble(OfxPropertySetHandle h, const char* name, int index, double value) {
    return setOne<double>(h, name, index, value);
}

OfxStatus propSetInt(OfxPropertySetHandle h, const char* name, int index, int value) {
    return setOne<int>(h, name, index, value);
}

OfxStatus propSetPointerN(OfxPropertySetHandle h, const char* name, int count,
                          void* const* values) {
    return setMany<void*>(h, name, count, values);
}

OfxStatus propSetStringN(OfxPropertySetHandle h, const char* name, int count,
                         const char* const* values) {
    if (count > 0 && values == nullptr) {
        return kOfxStatErrValue;
    }
    return guarded([&] {
        std::vector<std::string> copies;
        for (int i = 0; i < count; ++i) {
            if (values[i] == nullptr) {
                return kOfxStatErrValue;
            }
            copies.emplace_back(values[i]);
        }
        return setMany<std::string>(h, name, count, copies.data());
    });
}

OfxStatus propSetDoubleN(OfxPropertySetHandle h, const char* name, int count,
                         const double* values) {
    return setMany<double>(h, name, count, values);
}

OfxStatus propSetIntN(OfxPropertySetHandle h, const char* name, int count, const int* values) {
    return setMany<int>(h, name, count, values);
}

OfxStatus propGetPointer(OfxPropertySetHandle h, const char* name, int index, void** value) {
    return getOne<void*>(h, name, index, value);
}

OfxStatus propGetString(OfxPropertySetHandle h, const char* name, int index, char** value) {
    return getOne<std::string>(h, name, index, value);
}

OfxStatus propGetDouble(OfxPropertySetHandle h, const char* name, int index, double* value) {
    return getOne<double>(h, name, index, value);
}

OfxStatus propGetInt(OfxPropertySetHandle h, const char* name, int index, int* value) {
    return getOne<int>(h, name, index, value);
}

OfxStatus propGetPointerN(OfxPropertySetHandle h, const char* name, int count, void** values) {
    return getMany<void*>(h, name, count, values);
}

OfxStatus propGetStringN(OfxPropertySetHandle h, const char* name, int count, char** values) {
    return getMany<std::string>(h, name, count, values);
}

OfxStatus propGetDoubleN(OfxPropertySetHandle h, const char* name, int count, double* values) {
    return getMany<double>(h, name, count, values);
}

OfxStatus propGetIntN(OfxPropertySetHandle h, const char* name, int count, int* values) {
    return getMany<int>(h, name, count, values);
}

OfxStatus propReset(OfxPropertySetHandle h, const char* name) {
    return withProperty(h, name, [](Property& p) {
        p.reset();
        return kOfxStatOK;
    });
}

OfxStatus propGetDimension(OfxPropertySetHandle h, const char* name, int* count) {
    if (count == nullptr) {
        return kOfxStatErrValue;
    }
    return withProperty(h, name, [&](Property& p) {
        *count = p.dimension();
        return kOfxStatOK;
    });
}

const OfxPropertySuiteV1 kSuite = {
    propSetPointer, propSetString,  propSetDouble,    propSetInt,     propSetPointerN,
    propSetStringN, propSetDoubleN, propSetIntN,      propGetPointer, propGetString,
    propGetDouble,  propGetInt,     propGetPointerN,  propGetStringN, propGetDoubleN,
    propGetIntN,    propReset,      propGetDimension,
};

}  // namespace

const OfxPropertySuiteV1* propertySuite() {
    return &kSuite;
}

}  // namespace ofxhost
