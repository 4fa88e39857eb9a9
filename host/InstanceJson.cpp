#include "InstanceJson.h"

#include "ParamValueText.h"
#include "ofx/api/ofx_param.h"

namespace ofxhost {

nlohmann::json paramsJson(const ImageEffect& instance) {
    nlohmann::json params = nlohmann::json::object();
    for (const auto& param : instance.params().params()) {
        nlohmann::json entry = {{"type", param->type().type}, {"value", valueJson(*param)}};
        if (param->type().is(kOfxParamTypeChoice)) {
            entry["options"] = param->properties().getStrings(kOfxParamPropChoiceOption);
            entry["secret"] = param->properties().getInt(kOfxParamPropSecret) != 0;
        }
        params[param->name()] = entry;
    }
    return {{"params", params}};
}

nlohmann::json identityJson(const IdentityAnswer& answer) {
    return {{"identity", answer.identity},
            {"clip", answer.identity ? nlohmann::json(answer.clip) : nlohmann::json(nullptr)},
            {"time", answer.time}};
}

}  // namespace ofxhost
