#include "ofx/support/GroupParamDescriptor.h"

#include <utility>

#include "ofx/api/ofx_param.h"

namespace OFX {

GroupParamDescriptor::GroupParamDescriptor(std::string name, OfxPropertySetHandle properties)
    : ParamDescriptor(std::move(name), TYPE, properties) {}

void GroupParamDescriptor::setOpen(bool open) {
    getPropertySet().setInt(kOfxParamPropGroupOpen, open ? 1 : 0);
}

}  // namespace OFX
