#pragma once

#include <cstdint>
#include <string>

// The value of one effect parameter outside the host's parameter objects: a
// tagged value of seven kinds with lenient conversions that never throw. Maps
// of parameter name to ParameterValue carry values between the host, the
// render path, the kernel blocks and the presets.
//
// Every value has all four components, zero unless a vector constructor set
// them, and an empty text unless it is a String; copies are plain deep copies.
class ParameterValue {
  public:
    // Float parameters are held as Double, choices as Int (the option index),
    // colours as Vec3 (RGB) or Vec4 (RGBA).
    enum class Type : std::int32_t { Double, Int, Bool, String, Vec2, Vec3, Vec4 };

    ParameterValue() = default;
    explicit ParameterValue(double value);
    explicit ParameterValue(int value);
    explicit ParameterValue(bool value);
    explicit ParameterValue(std::string value);
    // Without this a string literal would convert to bool.
    explicit ParameterValue(const char* value);
    ParameterValue(double x, double y);
    ParameterValue(double x, double y, double z);
    ParameterValue(double x, double y, double z, double w);

    Type type() const { return _type; }
    // "double", "int", "bool", "string", "vec2", "vec3" or "vec4".
    std::string getType() const;

    double asDouble() const;
    // Doubles truncate toward zero, saturating at the 32-bit range; NaN gives 0.
    int asInt() const;
    bool asBool() const;
    float asFloat() const;
    std::string asString() const;

    // The stored components narrowed to float, whatever the kind.
    void asVec2(float& x, float& y) const;
    void asVec3(float& x, float& y, float& z) const;
    void asVec4(float& x, float& y, float& z, float& w) const;

  private:
    // One slot for the scalar kinds; the tag says which member is live.
    union Number {
        double d;
        std::int32_t i;
        bool b;
    };

    Type _type = Type::Double;
    Number _number{0.0};
    std::string _text;
    double _x = 0.0;
    double _y = 0.0;
    double _z = 0.0;
    double _w = 0.0;
};
