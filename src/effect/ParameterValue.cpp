#include "effect/ParameterValue.h"

#include <stdlib.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "util/CLocale.h"

namespace {

// Text conversions ignore the process's locale (to_chars has none; the
// readers take the C locale), so "0.5" reads and prints the same under a
// comma-decimal locale.

// "%f": six decimals, no exponent.
std::string fixedText(double value) {
    // Room for the 309 integer digits of the largest double, sign, point and decimals.
    char text[352];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
    return std::string(text, result.ptr);
}

double parseDouble(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const double value = ::strtod_l(begin, &end, cLocale());
    if (end == begin || errno == ERANGE) {
        return 0.0;
    }
    return value;
}

int parseInt(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = ::strtol_l(begin, &end, 10, cLocale());
    if (end == begin || errno == ERANGE || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return 0;
    }
    return static_cast<int>(value);
}

// A plain cast of NaN or of a double beyond the int range is undefined.
int truncateToInt(double value) {
    constexpr double kAboveMax = 2147483648.0;
    constexpr double kBelowMin = -2147483649.0;
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= kAboveMax) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value <= kBelowMin) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<int>(value);
}

bool parseBool(const std::string& text) {
    if (text == "true" || text == "True" || text == "TRUE" || text == "1") {
        return true;
    }
    if (text == "false" || text == "False" || text == "FALSE" || text == "0") {
        return false;
    }
    return !text.empty();
}

}  // namespace

ParameterValue::ParameterValue(double value) {
    _number.d = value;
}

ParameterValue::ParameterValue(int value) : _type(Type::Int) {
    _number.i = value;
}

ParameterValue::ParameterValue(bool value) : _type(Type::Bool) {
    _number.b = value;
}

ParameterValue::ParameterValue(std::string value) : _type(Type::String), _text(std::move(value)) {}

ParameterValue::ParameterValue(const char* value)
    : ParameterValue(std::string(value != nullptr ? value : "")) {}

ParameterValue::ParameterValue(double x, double y) : _type(Type::Vec2), _x(x), _y(y) {}

ParameterValue::ParameterValue(double x, double y, double z)
    : _type(Type::Vec3), _x(x), _y(y), _z(z) {}

ParameterValue::ParameterValue(double x, double y, double z, double w)
    : _type(Type::Vec4), _x(x), _y(y), _z(z), _w(w) {}

std::string ParameterValue::getType() const {
    switch (_type) {
        case Type::Double:
            return "double";
        case Type::Int:
            return "int";
        case Type::Bool:
            return "bool";
        case Type::String:
            return "string";
        case Type::Vec2:
            return "vec2";
        case Type::Vec3:
            return "vec3";
        case Type::Vec4:
            return "vec4";
    }
    return "unknown";
}

double ParameterValue::asDouble() const {
    switch (_type) {
        case Type::Double:
            return _number.d;
        case Type::Int:
            return _number.i;
        case Type::Bool:
            return _number.b ? 1.0 : 0.0;
        case Type::String:
            return parseDouble(_text);
        case Type::Vec2:
        case Type::Vec3:
        case Type::Vec4:
            break;
    }
    return 0.0;
}

int ParameterValue::asInt() const {
    switch (_type) {
        case Type::Double:
            return truncateToInt(_number.d);
        case Type::Int:
            return _number.i;
        case Type::Bool:
            return _number.b ? 1 : 0;
        case Type::String:
            return parseInt(_text);
        case Type::Vec2:
        case Type::Vec3:
        case Type::Vec4:
            break;
    }
    return 0;
}

bool ParameterValue::asBool() const {
    switch (_type) {
        case Type::Double:
            // NaN compares unequal, so it reads as true.
            return _number.d != 0.0;
        case Type::Int:
            return _number.i != 0;
        case Type::Bool:
            return _number.b;
        case Type::String:
            return parseBool(_text);
        case Type::Vec2:
        case Type::Vec3:
        case Type::Vec4:
            break;
    }
    return false;
}

float ParameterValue::asFloat() const {
    return static_cast<float>(asDouble());
}

std::string ParameterValue::asString() const {
    switch (_type) {
        case Type::Double:
            return fixedText(_number.d);
        case Type::Int:
            return std::to_string(_number.i);
        case Type::Bool:
            return _number.b ? "true" : "false";
        case Type::String:
            return _text;
        case Type::Vec2:
            return "(" + fixedText(_x) + ", " + fixedText(_y) + ")";
        case Type::Vec3:
            return "(" + fixedText(_x) + ", " + fixedText(_y) + ", " + fixedText(_z) + ")";
        case Type::Vec4:
            return "(" + fixedText(_x) + ", " + fixedText(_y) + ", " + fixedText(_z) + ", " +
                   fixedText(_w) + ")";
    }
    return "";
}

void ParameterValue::asVec2(float& x, float& y) const {
    x = static_cast<float>(_x);
    y = static_cast<float>(_y);
}

void ParameterValue::asVec3(float& x, float& y, float& z) const {
    asVec2(x, y);
    z = static_cast<float>(_z);
}

void ParameterValue::asVec4(float& x, float& y, float& z, float& w) const {
    asVec3(x, y, z);
    w = static_cast<float>(_w);
}
