#include "DefinitionJson.h"

#include <cstdio>
#include <cstdlib>

namespace {

using Definition = XMLEffectDefinition;
using json = nlohmann::ordered_json;

// The shortest decimal that reads back as the same float, so that 0.08f shows
// as 0.08 rather than its nearest double.
double shortestDouble(float value) {
    char text[32];
    for (int precision = 1; precision <= 9; ++precision) {
        std::snprintf(text, sizeof text, "%.*g", precision, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value) {
            break;
        }
    }
    return std::strtod(text, nullptr);
}

// Records hold lists of records, down to overlays that hold overlays.
json toJson(const Definition::InputDef& input);
json toJson(const Definition::ResourceDef& resource);
json toJson(const Definition::ParameterOptionDef& option);
json toJson(const Definition::ParameterComponentDef& component);
json toJson(const Definition::ParameterDef& parameter);
json toJson(const Definition::UIParameterDef& reference);
json toJson(const Definition::UIColumnDef& column);
json toJson(const Definition::UIGroupDef& group);
json toJson(const Definition::KernelDef& kernel);
json toJson(const Definition::PipelineDef& pipeline);
json toJson(const Definition::IdentityConditionDef& condition);
json toJson(const Definition::OverlayColorDef& color);
json toJson(const Definition::OverlayDef& overlay);

template <typename Record>
json listToJson(const std::vector<Record>& records) {
    json list = json::array();
    for (const Record& record : records) {
        list.push_back(toJson(record));
    }
    return list;
}

json toJson(const Definition::InputDef& input) {
    return {{"name", input.name},
            {"label", input.label},
            {"optional", input.optional},
            {"borderMode", input.borderMode},
            {"noInputMode", input.noInputMode}};
}

json toJson(const Definition::ResourceDef& resource) {
    return {{"name", resource.name},
            {"file", resource.file},
            {"channels", resource.channels},
            {"sampler", resource.sampler},
            {"wrap", resource.wrap}};
}

json toJson(const Definition::ParameterOptionDef& option) {
    return {{"value", option.value}, {"label", option.label}};
}

json toJson(const Definition::ParameterComponentDef& component) {
    return {{"name", component.name},
            {"defaultValue", component.defaultValue},
            {"minValue", component.minValue},
            {"maxValue", component.maxValue},
            {"increment", component.increment}};
}

json toJson(const Definition::ParameterDef& parameter) {
    return {{"name", parameter.name},
            {"type", parameter.type},
            {"label", parameter.label},
            {"hint", parameter.hint},
            {"defaultValue", parameter.defaultValue},
            {"minValue", parameter.minValue},
            {"maxValue", parameter.maxValue},
            {"displayMin", parameter.displayMin},
            {"displayMax", parameter.displayMax},
            {"increment", parameter.increment},
            {"defaultShape", parameter.defaultShape},
            {"options", listToJson(parameter.options)},
            {"components", listToJson(parameter.components)},
            {"defaultString", parameter.defaultString},
            {"mustExist", parameter.mustExist},
            {"defaultBool", parameter.defaultBool},
            {"resDependent", parameter.resDependent},
            {"curveBackground", parameter.curveBackground}};
}

json toJson(const Definition::UIParameterDef& reference) {
    return {{"name", reference.name}};
}

json toJson(const Definition::UIColumnDef& column) {
    return {{"name", column.name},
            {"tooltip", column.tooltip},
            {"parameters", listToJson(column.parameters)}};
}

json toJson(const Definition::UIGroupDef& group) {
    return {{"name", group.name},
            {"tooltip", group.tooltip},
            {"open", group.open},
            {"columns", listToJson(group.columns)},
            {"parameters", listToJson(group.parameters)}};
}

json toJson(const Definition::KernelDef& kernel) {
    return {
        {"platform", kernel.platform}, {"file", kernel.file}, {"executions", kernel.executions}};
}

json toJson(const Definition::PipelineDef& pipeline) {
    return {{"name", pipeline.name},
            {"kernels", listToJson(pipeline.kernels)},
            {"executions", pipeline.executions},
            {"initialization", pipeline.initialization}};
}

json toJson(const Definition::IdentityConditionDef& condition) {
    return {{"parameter", condition.parameter}, {"op", condition.op}, {"value", condition.value}};
}

json toJson(const Definition::OverlayColorDef& color) {
    return {{"r", shortestDouble(color.r)},
            {"g", shortestDouble(color.g)},
            {"b", shortestDouble(color.b)},
            {"isSet", color.isSet}};
}

json toJson(const Definition::OverlayDef& overlay) {
    return {{"type", Definition::overlayTypeName(overlay.type)},
            {"param", overlay.param},
            {"style", overlay.style},
            {"center", overlay.center},
            {"fixedX", shortestDouble(overlay.fixedX)},
            {"visibleWhen", overlay.visibleWhen},
            {"color", toJson(overlay.color)},
            {"label", overlay.label},
            {"direction", overlay.direction},
            {"magnitude", overlay.magnitude},
            {"fixedMagnitude", shortestDouble(overlay.fixedMagnitude)},
            {"children", listToJson(overlay.children)}};
}

}  // namespace

nlohmann::ordered_json definitionToJson(const XMLEffectDefinition& definition) {
    return {{"name", definition.getName()},
            {"category", definition.getCategory()},
            {"version", definition.getVersion()},
            {"debugLevel", definition.getDebugLevel()},
            {"supportsTimeline", definition.supportsTimeline()},
            {"supportsMatte", definition.supportsMatte()},
            {"description", definition.getDescription()},
            {"inputs", listToJson(definition.getInputs())},
            {"resources", listToJson(definition.getBundledResources())},
            {"parameters", listToJson(definition.getParameters())},
            {"uiGroups", listToJson(definition.getUIGroups())},
            {"pipelines", listToJson(definition.getPipelines())},
            {"effectExecutions", definition.getEffectExecutions()},
            {"identityConditions", listToJson(definition.getIdentityConditions())},
            {"overlays", listToJson(definition.getOverlays())},
            {"overlayCoordSystem", static_cast<int>(definition.getOverlayCoordSystem())}};
}
