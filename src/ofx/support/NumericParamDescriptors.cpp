#include "ofx/support/NumericParamDescriptors.h"

#include <initializer_list>
#include <utility>

#include "ofx/api/ofx_param.h"

namespace OFX {

namespace {

// Sets one value per dimension, in dimension order.
void setDoubles(const PropertySet& properties, const char* name,
                std::initializer_list<double> values) {
    int index = 0;
    for (double value : values) {
        properties.setDouble(name, value, index++);
    }
}

}  // namespace

DoubleParamDescriptor::DoubleParamDescriptor(std::string name, OfxPropertySetHandle properties)
    : ParamDescriptor(std::move(name), TYPE, properties) {}

void DoubleParamDescriptor::setRange(double min, double max) {
    getPropertySet().setDouble(kOfxParamPropMin, min);
    getPropertySet().setDouble(kOfxParamPropMax, max);
}

void DoubleParamDescriptor::setDisplayRange(double min, double max) {
    getPropertySet().setDouble(kOfxParamPropDisplayMin, min);
    getPropertySet().setDouble(kOfxParamPropDisplayMax, max);
}

void DoubleParamDescriptor::setDefault(double value) {
    getPropertySet().setDouble(kOfxParamPropDefault, value);
}

void DoubleParamDescriptor::setIncrement(double step) {
    getPropertySet().setDouble(kOfxParamPropIncrement, step);
}

IntParamDescriptor::IntParamDescriptor(std::string name, OfxPropertySetHandle properties)
    : ParamDescriptor(std::move(name), TYPE, properties) {}

void IntParamDescriptor::setRange(int min, int max) {
    getPropertySet().setInt(kOfxParamPropMin, min);
    getPropertySet().setInt(kOfxParamPropMax, max);
}

void IntParamDescriptor::setDisplayRange(int min, int max) {
    getPropertySet().setInt(kOfxParamPropDisplayMin, min);
    getPropertySet().setInt(kOfxParamPropDisplayMax, max);
}

void IntParamDescriptor::setDefault(int value) {
    getPropertySet().setInt(kOfxParamPropDefault, value);
}

Double2DParamDescriptor::Double2DParamDescriptor(std::string name, OfxPropertySetHandle properties)
    : ParamDescriptor(std::move(name), TYPE, properties) {}

void Double2DParamDescriptor::setDoubleType(const std::string& type) {
    getPropertySet().setString(kOfxParamPropDoubleType, type);
}

void Double2DParamDescriptor::setDefaultCoordinateSystem(const std::string& system) {
    getPropertySet().setString(kOfxParamPropDefaultCoordinateSystem, system);
}

void Double2DParamDescriptor::setRange(double minX, double minY, double maxX, double maxY) {
    setDoubles(getPropertySet(), kOfxParamPropMin, {minX, minY});
    setDoubles(getPropertySet(), kOfxParamPropMax, {maxX, maxY});
}

void Double2DParamDescriptor::setDisplayRange(double minX, double minY, double maxX, double maxY) {
    setDoubles(getPropertySet(), kOfxParamPropDisplayMin, {minX, minY});
    setDoubles(getPropertySet(), kOfxParamPropDisplayMax, {maxX, maxY});
}

void Double2DParamDescriptor::setDefault(double x, double y) {
    setDoubles(getPropertySet(), kOfxParamPropDefault, {x, y});
}

Double3DParamDescriptor::Double3DParamDescriptor(std::string name, OfxPropertySetHandle properties)
    : ParamDescriptor(std::move(name), TYPE, properties) {}

void Double3DParamDescriptor::setRange(double minX, double minY, double minZ, double maxX,
                                       double maxY, double maxZ) {
    setDoubles(getPropertySet(), kOfxParamPropMin, {minX, minY, minZ});
    setDoubles(getPropertySet(), kOfxParamPropMax, {maxX, maxY, maxZ});
}

void Double3DParamDescriptor::setDisplayRange(double minX, double minY, double minZ, double maxX,
                                              double maxY, double maxZ) {
    setDoubles(getPropertySet(), kOfxParamPropDisplayMin, {minX, minY, minZ});
    setDoubles(getPropertySet(), kOfxParamPropDisplayMax, {maxX, maxY, maxZ});
}

void Double3DParamDescriptor::setDefault(double x, double y, double z) {
    setDoubles(getPropertySet(), kOfxParamPropDefault, {x, y, z});
}

}  // namespace OFX
