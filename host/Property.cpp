#include "Property.h"

#include "HostError.h"

namespace ofxhost {

Property::Property(Values defaults, int dimension)
    : _values(defaults), _defaults(std::move(defaults)), _fixedDimension(dimension) {
    if (dimension != kVariable && dimension != this->dimension()) {
        throw HostError("a fixed property needs one default per dimension");
    }
}

PropertyType Property::type() const {
    switch (_values.index()) {
        case 0:
            return PropertyType::Int;
        case 1:
            return PropertyType::Double;
        case 2:
            return PropertyType::String;
        default:
            return PropertyType::Pointer;
    }
}

int Property::dimension() const {
    return std::visit([](const auto& v) { return static_cast<int>(v.size()); }, _values);
}

bool Property::copyValuesFrom(const Property& other) {
    if (other._values.index() != _values.index() ||
        (!isVariable() && other.dimension() != _fixedDimension)) {
        return false;
    }
    _values = other._values;
    return true;
}

}  // namespace ofxhost
