#include "DescriptionJson.h"

#include <cstdio>
#include <string>
#include <type_traits>

#include "ContextNames.h"

namespace ofxhost {

namespace {

nlohmann::json pointerJson(void* pointer) {
    if (pointer == nullptr) {
        return nullptr;
    }
    char text[32];
    std::snprintf(text, sizeof(text), "%p", pointer);
    return text;
}

nlohmann::json valuesJson(const Property& property) {
    nlohmann::json values = nlohmann::json::array();
    std::visit(
        [&values](const auto& typed) {
            for (const auto& value : typed) {
                if constexpr (std::is_pointer_v<std::decay_t<decltype(value)>>) {
                    values.push_back(pointerJson(value));
                } else {
                    values.push_back(value);
                }
            }
        },
        property.values());
    return values;
}

nlohmann::json paramJson(const Param& param) {
    nlohmann::json json = {{"name", param.name()},
                           {"type", param.type().type},
                           {"properties", propertiesJson(param.properties())}};
    if (!param.curves().empty()) {
        nlohmann::json curves = nlohmann::json::array();
        for (const auto& [index, points] : param.curves()) {
            nlohmann::json curve = nlohmann::json::array();
            for (const ControlPoint& point : points) {
                curve.push_back({point.key, point.value});
            }
            curves.push_back(curve);
        }
        json["curves"] = curves;
    }
    return json;
}

nlohmann::json contextJson(const ImageEffect& descriptor) {
    nlohmann::json clips = nlohmann::json::array();
    for (const auto& clip : descriptor.clips()) {
        clips.push_back(
            {{"name", clip->name()}, {"properties", propertiesJson(clip->properties())}});
    }
    nlohmann::json params = nlohmann::json::array();
    for (const auto& param : descriptor.params().params()) {
        params.push_back(paramJson(*param));
    }
    return {{"clips", clips}, {"params", params}};
}

}  // namespace

nlohmann::json propertiesJson(const PropertySet& properties) {
    nlohmann::json json = nlohmann::json::object();
    for (const auto& [name, property] : properties.properties()) {
        json[name] = valuesJson(property);
    }
    return json;
}

nlohmann::json descriptionJson(const std::vector<PluginDescription>& plugins) {
    nlohmann::json list = nlohmann::json::array();
    for (const PluginDescription& plugin : plugins) {
        nlohmann::json contexts = nlohmann::json::object();
        for (const ContextDescription& described : plugin.contexts) {
            contexts[shortContextName(described.context)] = contextJson(*described.descriptor);
        }
        list.push_back(
            {{"identifier", plugin.identifier},
             {"version", {plugin.versionMajor, plugin.versionMinor}},
             {"properties", plugin.descriptor ? propertiesJson(plugin.descriptor->properties())
                                              : nlohmann::json::object()},
             {"contexts", contexts}});
    }
    return {{"plugins", list}};
}

}  // namespace ofxhost
