#pragma once

#include <string>

#include "ofx/support/ParamDescriptor.h"

namespace OFX {

// A slider of real numbers.
class DoubleParamDescriptor : public ParamDescriptor {
  public:
    static constexpr ParamTypeEnum TYPE = ParamTypeEnum::Double;

    DoubleParamDescriptor(std::string name, OfxPropertySetHandle properties);

    // Hard limits; set them before the display range, which hosts reset with them.
    void setRange(double min, double max);
    void setDisplayRange(double min, double max);
    void setDefault(double value);
    void setIncrement(double step);
};

// A slider of whole numbers.
class IntParamDescriptor : public ParamDescriptor {
  public:
    static constexpr ParamTypeEnum TYPE = ParamTypeEnum::Int;

    IntParamDescriptor(std::string name, OfxPropertySetHandle properties);

    // Hard limits; set them before the display range, which hosts reset with them.
    void setRange(int min, int max);
    void setDisplayRange(int min, int max);
    void setDefault(int value);
};

// A pair of real numbers, such as a position.
class Double2DParamDescriptor : public ParamDescriptor {
  public:
    static constexpr ParamTypeEnum TYPE = ParamTypeEnum::Double2D;

    Double2DParamDescriptor(std::string name, OfxPropertySetHandle properties);

    // One of the "OfxParamDoubleType..." interpretations.
    void setDoubleType(const std::string& type);
    // "OfxParamCoordinatesCanonical" or "OfxParamCoordinatesNormalised": how
    // the host reads the default of a spatial type.
    void setDefaultCoordinateSystem(const std::string& system);
    // Hard limits per axis; set them before the display range.
    void setRange(double minX, double minY, double maxX, double maxY);
    void setDisplayRange(double minX, double minY, double maxX, double maxY);
    void setDefault(double x, double y);
};

// A triple of real numbers.
class Double3DParamDescriptor : public ParamDescriptor {
  public:
    static constexpr ParamTypeEnum TYPE = ParamTypeEnum::Double3D;

    Double3DParamDescriptor(std::string name, OfxPropertySetHandle properties);

    // Hard limits per axis; set them before the display range.
    void setRange(double minX, double minY, double minZ, double maxX, double maxY, double maxZ);
    void setDisplayRange(double minX, double minY, double minZ, double maxX, double maxY,
                         double maxZ);
    void setDefault(double x, double y, double z);
};

}  // namespace OFX
