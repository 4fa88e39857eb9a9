// The effect element's own attributes, its description, and the inputs and
// resources sections.
#include <pugixml.hpp>

#include <stdexcept>

#include "definition/XMLEffectDefinition.h"
#include "util/Logger.h"

void XMLEffectDefinition::parseMetadata(const pugi::xml_node& effect) {
    _name = effect.attribute("name").as_string();
    _category = effect.attribute("category").as_string();
    _debugLevel = effect.attribute("debug_level").as_string("none");
    if (_name.empty()) {
        throw std::runtime_error("Effect must have a name attribute");
    }
    if (_category.empty()) {
        throw std::runtime_error("Effect must have a category attribute");
    }
    _version = effect.attribute("version").as_string();
    _supportsTimeline = effect.attribute("supports_timeline").as_bool(false);
    _supportsMatte = effect.attribute("supports_matte").as_bool(false);
    _description = effect.child("description").text().as_string();
}

void XMLEffectDefinition::parseInputs(const pugi::xml_node& inputs) {
    Logger* log = Logger::getInstance();
    for (const pugi::xml_node source : inputs.children("source")) {
        InputDef input;
        input.name = source.attribute("name").as_string();
        input.label = source.attribute("label").as_string();
        input.borderMode = source.attribute("border_mode").as_string("clamp");

        log->logMessage(LogLevel::Info, "Parsing noinput for input: %s", input.name.c_str());
        const pugi::xml_attribute noInput = source.attribute("noinput");
        const pugi::xml_attribute optional = source.attribute("optional");
        if (noInput) {
            input.noInputMode = noInput.as_string();
            log->logMessage(LogLevel::Info, "Found noinput attribute: '%s'",
                            input.noInputMode.c_str());
        } else if (optional.as_bool(false)) {
            input.noInputMode = "white";
            log->logMessage(LogLevel::Info,
                            "No noinput attribute, but optional=true, using 'white'");
        } else {
            input.noInputMode = "error";
            log->logMessage(LogLevel::Info, "No noinput attribute and not optional, using 'error'");
        }

        if (optional) {
            input.optional = optional.as_bool();
            log->logMessage(LogLevel::Info, "Input '%s': optional explicitly set to %d",
                            input.name.c_str(), input.optional ? 1 : 0);
        } else {
            // An input that tolerates being unconnected is optional.
            input.optional = input.noInputMode != "error";
            log->logMessage(LogLevel::Info, "Input '%s': optional inferred as %d from noinput='%s'",
                            input.name.c_str(), input.optional ? 1 : 0, input.noInputMode.c_str());
        }

        if (input.name.empty()) {
            throw std::runtime_error("Input source must have a name attribute");
        }
        if (input.label.empty()) {
            input.label = input.name;
        }
        log->logMessage(LogLevel::Info, "Input parsed - name: %s, noInputMode: %s",
                        input.name.c_str(), input.noInputMode.c_str());
        _inputs.push_back(input);
    }
}

void XMLEffectDefinition::parseResources(const pugi::xml_node& resources) {
    Logger* log = Logger::getInstance();
    std::size_t textureCount = 0;
    for (const pugi::xml_node texture : resources.children("texture")) {
        ++textureCount;
        ResourceDef resource;
        resource.name = texture.attribute("name").as_string();
        resource.file = texture.attribute("file").as_string();
        resource.channels = texture.attribute("channels").as_int(4);
        resource.sampler = texture.attribute("sampler").as_string("linear");
        resource.wrap = texture.attribute("wrap").as_string("mirror");

        if (resource.name.empty()) {
            throw std::runtime_error("Resource texture must have a name attribute");
        }
        if (resource.file.empty()) {
            throw std::runtime_error("Resource texture must have a file attribute");
        }

        // Unknown settings fall back to the defaults rather than failing the effect.
        if (resource.sampler != "linear" && resource.sampler != "nearest") {
            log->logMessage(LogLevel::Info, "Resource '%s': invalid sampler '%s', using 'linear'",
                            resource.name.c_str(), resource.sampler.c_str());
            resource.sampler = "linear";
        }
        if (resource.wrap != "clamp" && resource.wrap != "repeat" && resource.wrap != "mirror") {
            log->logMessage(LogLevel::Info, "Resource '%s': invalid wrap '%s', using 'mirror'",
                            resource.name.c_str(), resource.wrap.c_str());
            resource.wrap = "mirror";
        }
        if (resource.channels < 1 || resource.channels > 4) {
            log->logMessage(LogLevel::Info, "Resource '%s': invalid channels %d, using 4",
                            resource.name.c_str(), resource.channels);
            resource.channels = 4;
        }

        log->logMessage(LogLevel::Info,
                        "Resource parsed - name: %s, file: %s, channels: %d, sampler: %s, wrap: %s",
                        resource.name.c_str(), resource.file.c_str(), resource.channels,
                        resource.sampler.c_str(), resource.wrap.c_str());
        _resources.push_back(resource);
    }
    log->logMessage(LogLevel::Info, "Parsed %zu bundled resources", textureCount);
}
