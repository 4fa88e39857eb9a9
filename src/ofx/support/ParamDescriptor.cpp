#include "ofx/support/ParamDescriptor.h"

#include <utility>

#include "ofx/api/ofx_param.h"
#include "ofx/support/GroupParamDescriptor.h"

namespace OFX {

ParamDescriptor::ParamDescriptor(std::string name, ParamTypeEnum type,
                                 OfxPropertySetHandle properties)
    : _name(std::move(name)), _type(type), _properties(properties) {}

void ParamDescriptor::setLabels(const std::string& label, const std::string& shortLabel,
                                const std::string& longLabel) {
    _properties.setString(kOfxPropLabel, label);
    _properties.setString(kOfxPropShortLabel, shortLabel);
    _properties.setString(kOfxPropLongLabel, longLabel);
}

void ParamDescriptor::setHint(const std::string& hint) {
    _properties.setString(kOfxParamPropHint, hint);
}

void ParamDescriptor::setParent(const GroupParamDescriptor& group) {
    _properties.setString(kOfxParamPropParent, group.getName());
}

}  // namespace OFX
