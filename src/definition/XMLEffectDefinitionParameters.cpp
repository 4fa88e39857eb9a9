// The parameters section and the ui section that arranges its parameters.
#include <pugixml.hpp>

#include <stdexcept>

#include "definition/DefinitionNumbers.h"
#include "definition/XMLEffectDefinition.h"
#include "util/CLocale.h"
#include "util/Logger.h"
#include "util/SplitText.h"

namespace {

using ParameterDef = XMLEffectDefinition::ParameterDef;
using ParameterComponentDef = XMLEffectDefinition::ParameterComponentDef;
using ParameterOptionDef = XMLEffectDefinition::ParameterOptionDef;

// Throws std::invalid_argument or std::out_of_range ("stod") on a piece that
// is not a number: a broken list fails the definition.
std::vector<double> parseNumberList(const std::string& text) {
    std::vector<double> numbers;
    for (const std::string& piece : splitText(text, ',')) {
        numbers.push_back(stodInCLocale(piece));
    }
    return numbers;
}

std::vector<std::string> componentNames(const std::string& type) {
    if (type == "color") {
        return {"r", "g", "b"};
    }
    if (type == "vec2") {
        return {"x", "y"};
    }
    if (type == "vec3") {
        return {"x", "y", "z"};
    }
    return {"r", "g", "b", "a"};
}

bool isNumericType(const std::string& type) {
    return type == "double" || type == "float" || type == "int";
}

bool isComponentType(const std::string& type) {
    return type == "color" || type == "vec2" || type == "vec3" || type == "vec4";
}

void readNumeric(const pugi::xml_node& node, ParameterDef& parameter) {
    parameter.defaultValue = attributeDouble(node.attribute("default"), 0.0);
    parameter.minValue = attributeDouble(node.attribute("min"), 0.0);
    parameter.maxValue = attributeDouble(node.attribute("max"), 1.0);
    parameter.displayMin = attributeDouble(node.attribute("displayMin"), parameter.minValue);
    parameter.displayMax = attributeDouble(node.attribute("displayMax"), parameter.maxValue);
    parameter.increment = attributeDouble(node.attribute("inc"), 0.1);
}

void readChoice(const pugi::xml_node& node, ParameterDef& parameter) {
    parameter.defaultValue = attributeDouble(node.attribute("default"), 0.0);
    for (const pugi::xml_node optionNode : node.children("option")) {
        ParameterOptionDef option;
        option.value = optionNode.attribute("value").as_string();
        if (option.value.empty()) {
            throw std::runtime_error("Option must have a value attribute");
        }
        option.label = optionNode.attribute("label").as_string(option.value.c_str());
        parameter.options.push_back(option);
    }
}

void readComponentList(const pugi::xml_node& node, ParameterDef& parameter) {
    const std::vector<std::string> defaults = splitText(node.attribute("default").as_string(), ',');
    const std::vector<double> minima = parseNumberList(node.attribute("min").as_string());
    const std::vector<double> maxima = parseNumberList(node.attribute("max").as_string());
    const std::vector<std::string> names = componentNames(parameter.type);
    for (std::size_t i = 0; i < names.size() && i < defaults.size(); ++i) {
        ParameterComponentDef component;
        component.name = names[i];
        component.defaultValue = stodInCLocale(defaults[i]);
        component.minValue = i < minima.size() ? minima[i] : 0.0;
        component.maxValue = i < maxima.size() ? maxima[i] : 1.0;
        component.increment = 0.01;
        parameter.components.push_back(component);
    }
}

void readComponents(const pugi::xml_node& node, ParameterDef& parameter) {
    if (!node.child("component")) {
        if (node.attribute("default")) {
            readComponentList(node, parameter);
        }
        return;
    }
    for (const pugi::xml_node componentNode : node.children("component")) {
        ParameterComponentDef component;
        component.name = componentNode.attribute("name").as_string();
        if (component.name.empty()) {
            throw std::runtime_error("Component must have a name attribute");
        }
        component.defaultValue = attributeDouble(componentNode.attribute("default"), 0.0);
        component.minValue = attributeDouble(componentNode.attribute("min"), 0.0);
        component.maxValue = attributeDouble(componentNode.attribute("max"), 1.0);
        component.increment = attributeDouble(componentNode.attribute("inc"), 0.01);
        parameter.components.push_back(component);
    }
}

ParameterDef parseParameter(const pugi::xml_node& node) {
    ParameterDef parameter;
    parameter.name = node.attribute("name").as_string();
    if (parameter.name.empty()) {
        throw std::runtime_error("Parameter must have a name attribute");
    }
    parameter.type = node.attribute("type").as_string();
    if (parameter.type.empty()) {
        throw std::runtime_error("Parameter must have a type attribute");
    }
    parameter.label = node.attribute("label").as_string();
    if (parameter.label.empty()) {
        parameter.label = parameter.name;
    }
    parameter.hint = node.attribute("hint").as_string();
    parameter.resDependent = node.attribute("res_dependent").as_string("none");

    const std::string& type = parameter.type;
    if (isNumericType(type)) {
        readNumeric(node, parameter);
    } else if (type == "bool") {
        parameter.defaultBool = node.attribute("default").as_bool(false);
    } else if (type == "string") {
        parameter.defaultString = node.attribute("default").as_string();
    } else if (type == "filepath") {
        parameter.defaultString = node.attribute("default").as_string();
        parameter.mustExist = node.attribute("mustexist").as_bool(false);
    } else if (type == "curve") {
        parameter.defaultShape = node.attribute("default_shape").as_string("linear");
        parameter.curveBackground = node.attribute("curve_background").as_int(0);
    } else if (type == "choice") {
        readChoice(node, parameter);
    } else if (isComponentType(type)) {
        readComponents(node, parameter);
    }
    // "pushbutton" and unknown types keep only the common attributes.
    return parameter;
}

}  // namespace

void XMLEffectDefinition::parseParameters(const pugi::xml_node& parameters) {
    for (const pugi::xml_node node : parameters.children("parameter")) {
        ParameterDef parameter = parseParameter(node);
        // A repeated name keeps both records; lookups find the later one.
        _parameterIndex[parameter.name] = _parameters.size();
        _parameters.push_back(std::move(parameter));
    }
}

void XMLEffectDefinition::requireDeclaredParameter(const std::string& name) const {
    if (_parameterIndex.find(name) == _parameterIndex.end()) {
        throw std::runtime_error("Referenced parameter does not exist: " + name);
    }
}

XMLEffectDefinition::UIParameterDef XMLEffectDefinition::parseParameterReference(
    const pugi::xml_node& reference) const {
    UIParameterDef parameter;
    parameter.name = reference.text().as_string();
    if (parameter.name.empty()) {
        throw std::runtime_error("Parameter reference cannot be empty");
    }
    requireDeclaredParameter(parameter.name);
    return parameter;
}

void XMLEffectDefinition::parseUI(const pugi::xml_node& ui) {
    Logger* log = Logger::getInstance();
    log->logMessage(LogLevel::Info, "XMLEffectDefinition::parseUI called");
    for (const pugi::xml_node groupNode : ui.children("group")) {
        UIGroupDef group;
        group.name = groupNode.attribute("name").as_string();
        if (group.name.empty()) {
            throw std::runtime_error("group must have a name attribute");
        }
        group.tooltip = groupNode.attribute("tooltip").as_string();
        group.open = groupNode.attribute("open").as_bool(true);
        if (!groupNode.child("column") && !groupNode.child("parameter")) {
            throw std::runtime_error(
                "group must contain either columns or direct parameter references");
        }

        for (const pugi::xml_node columnNode : groupNode.children("column")) {
            UIColumnDef column;
            column.name = columnNode.attribute("name").as_string();
            if (column.name.empty()) {
                throw std::runtime_error("Column must have a name attribute");
            }
            column.tooltip = columnNode.attribute("tooltip").as_string();
            for (const pugi::xml_node reference : columnNode.children("parameter")) {
                column.parameters.push_back(parseParameterReference(reference));
            }
            group.columns.push_back(std::move(column));
        }
        for (const pugi::xml_node reference : groupNode.children("parameter")) {
            group.parameters.push_back(parseParameterReference(reference));
        }
        _uiGroups.push_back(std::move(group));
    }
    log->logMessage(LogLevel::Info, "XMLEffectDefinition::parseUI completed, parsed %d groups",
                    static_cast<int>(_uiGroups.size()));
}
