#include "ofx/support/PageParamDescriptor.h"

#include <algorithm>
#include <utility>

#include "ofx/api/ofx_param.h"

namespace OFX {

PageParamDescriptor::PageParamDescriptor(std::string name, OfxPropertySetHandle properties)
    : ParamDescriptor(std::move(name), TYPE, properties) {}

void PageParamDescriptor::addChild(const ParamDescriptor& child) {
    const std::string& name = child.getName();
    if (std::find(_children.begin(), _children.end(), name) != _children.end()) {
        return;
    }
    getPropertySet().setString(kOfxParamPropPageChild, name, static_cast<int>(_children.size()));
    _children.push_back(name);
}

}  // namespace OFX
