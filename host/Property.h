#pragma once

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "ofx/api/ofx_core.h"

namespace ofxhost {

enum class PropertyType { Int, Double, String, Pointer };

// One typed property: its values, its defaults and whether its dimension is
// fixed or grows with what is set. Statuses follow the property suite.
class Property {
  public:
    using Values = std::variant<std::vector<int>, std::vector<double>, std::vector<std::string>,
                                std::vector<void*>>;

    // Marks a property whose dimension is whatever was last set.
    static constexpr int kVariable = -1;

    // A fixed property has exactly as many defaults as its dimension.
    Property(Values defaults, int dimension);

    PropertyType type() const;
    bool isVariable() const { return _fixedDimension == kVariable; }
    int dimension() const;
    const Values& values() const { return _values; }

    // Index `index` of a variable property may lie at or past its end: the
    // property grows, new elements taking the type's zero value.
    template <typename T>
    OfxStatus set(int index, T value);
    // Elements 0..count-1; a variable property takes exactly `count` elements.
    template <typename T>
    OfxStatus setN(int count, const T* values);
    template <typename T>
    OfxStatus get(int index, const T*& value) const;

    void reset() { _values = _defaults; }
    // Takes the values of a property of the same type and dimension kind.
    bool copyValuesFrom(const Property& other);

  private:
    template <typename T>
    std::vector<T>* typed();
    template <typename T>
    const std::vector<T>* typed() const;

    Values _values;
    Values _defaults;
    int _fixedDimension;
};

template <typename T>
std::vector<T>* Property::typed() {
    return std::get_if<std::vector<T>>(&_values);
}

template <typename T>
const std::vector<T>* Property::typed() const {
    return std::get_if<std::vector<T>>(&_values);
}

template <typename T>
OfxStatus Property::set(int index, T value) {
    std::vector<T>* values = typed<T>();
    if (values == nullptr) {
        return kOfxStatErrUnknown;
    }
    if (index < 0 || (!isVariable() && index >= _fixedDimension)) {
        return kOfxStatErrBadIndex;
    }
    if (static_cast<size_t>(index) >= values->size()) {
        values->resize(static_cast<size_t>(index) + 1, T{});
    }
    (*values)[static_cast<size_t>(index)] = std::move(value);
    return kOfxStatOK;
}

template <typename T>
OfxStatus Property::setN(int count, const T* source) {
    std::vector<T>* values = typed<T>();
    if (values == nullptr) {
        return kOfxStatErrUnknown;
    }
    if (count < 0 || (!isVariable() && count > _fixedDimension)) {
        return kOfxStatErrBadIndex;
    }
    if (count > 0 && source == nullptr) {
        return kOfxStatErrValue;
    }
    if (isVariable()) {
        values->assign(source, source + count);
    } else {
        std::copy(source, source + count, values->begin());
    }
    return kOfxStatOK;
}

template <typename T>
OfxStatus Property::get(int index, const T*& value) const {
    const std::vector<T>* values = typed<T>();
    if (values == nullptr) {
        return kOfxStatErrUnknown;
    }
    if (index < 0 || static_cast<size_t>(index) >= values->size()) {
        return kOfxStatErrBadIndex;
    }
    value = &(*values)[static_cast<size_t>(index)];
    return kOfxStatOK;
}

}  // namespace ofxhost
