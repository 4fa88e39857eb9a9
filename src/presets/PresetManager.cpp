#include "presets/PresetManager.h"

#include <dirent.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <ctime>
#include <initializer_list>
#include <locale>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>

#include <pugixml.hpp>

#include "definition/XMLEffectDefinition.h"
#include "presets/AtomicFileWrite.h"
#include "util/CLocale.h"
#include "util/Logger.h"
#include "util/SplitText.h"

namespace {

// Names whose values are controls of the preset section, not effect state.
bool isSkippedOnSave(const XMLEffectDefinition::ParameterDef& param) {
    return param.name == "preset_file" || param.name == "load_preset" ||
           param.name == "save_preset" || param.type == "pushbutton";
}

// Numbers are written and read in the C locale whatever the host process has
// set, so a preset saved under one locale reads back identically under any.
std::ostringstream numberStream() {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.precision(10);
    return out;
}

std::string formatDouble(double value) {
    std::ostringstream out = numberStream();
    out << value;
    return out.str();
}

std::string formatComponents(std::initializer_list<float> components) {
    std::ostringstream out = numberStream();
    bool first = true;
    for (const float component : components) {
        if (!first) {
            out << ',';
        }
        out << component;
        first = false;
    }
    return out.str();
}

std::string formatValue(const std::string& definitionType, const ParameterValue& value) {
    if (definitionType == "double" || definitionType == "float") {
        return formatDouble(value.asDouble());
    }
    if (definitionType == "int" || definitionType == "choice") {
        return std::to_string(value.asInt());
    }
    if (definitionType == "bool") {
        return value.asBool() ? "true" : "false";
    }
    if (definitionType == "vec2") {
        float x = 0.0f, y = 0.0f;
        value.asVec2(x, y);
        return formatComponents({x, y});
    }
    if (definitionType == "vec3" || definitionType == "color") {
        float x = 0.0f, y = 0.0f, z = 0.0f;
        value.asVec3(x, y, z);
        return formatComponents({x, y, z});
    }
    if (definitionType == "vec4" || definitionType == "color_rgba") {
        float x = 0.0f, y = 0.0f, z = 0.0f, w = 0.0f;
        value.asVec4(x, y, z, w);
        return formatComponents({x, y, z, w});
    }
    if (definitionType == "string" || definitionType == "filepath") {
        return value.asString();
    }
    return std::string();
}

// The entry for one `param`; nothing when its type or component count gives
// none. Number errors propagate as the std::stod / std::stoi exceptions.
std::optional<ParameterValue> readValue(const std::string& type, const std::string& text) {
    if (type == "float" || type == "double") {
        return ParameterValue(stodInCLocale(text));
    }
    if (type == "int" || type == "choice") {
        return ParameterValue(std::stoi(text));
    }
    if (type == "bool") {
        return ParameterValue(text == "true" || text == "1");
    }
    if (type == "string" || type == "filepath") {
        return ParameterValue(text);
    }

    std::size_t count = 0;
    if (type == "vec2") {
        count = 2;
    } else if (type == "vec3" || type == "color") {
        count = 3;
    } else if (type == "vec4" || type == "color_rgba") {
        count = 4;
    } else {
        return std::nullopt;
    }
    const std::vector<std::string> pieces = PresetManager::splitString(text, ',');
    if (pieces.size() < count) {
        return std::nullopt;
    }
    double c[4] = {0.0, 0.0, 0.0, 0.0};
    for (std::size_t i = 0; i < count; ++i) {
        c[i] = stodInCLocale(pieces[i]);
    }
    if (count == 2) {
        return ParameterValue(c[0], c[1]);
    }
    if (count == 3) {
        return ParameterValue(c[0], c[1], c[2]);
    }
    return ParameterValue(c[0], c[1], c[2], c[3]);
}

// The directory part that saving creates first; empty when there is none to
// create (a bare file name, or a file directly under the root).
std::string directoryToCreate(const std::string& path) {
    const std::string::size_type separator = path.find_last_of("/\\");
    if (separator == std::string::npos) {
        return std::string();
    }
    return path.substr(0, separator);
}

std::string buildDocument(const std::string& effectName, const std::string& version,
                          const std::map<std::string, ParameterValue>& values,
                          const XMLEffectDefinition& definition) {
    pugi::xml_document doc;
    pugi::xml_node declaration = doc.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";

    pugi::xml_node preset = doc.append_child("preset");
    pugi::xml_node meta = preset.append_child("meta");
    meta.append_child("effect").text().set(effectName.c_str());
    meta.append_child("version").text().set(version.c_str());
    meta.append_child("created").text().set(PresetManager::getCurrentTimestamp().c_str());

    pugi::xml_node parameters = preset.append_child("parameters");
    for (const XMLEffectDefinition::ParameterDef& param : definition.getParameters()) {
        if (isSkippedOnSave(param)) {
            continue;
        }
        const auto value = values.find(param.name);
        if (value == values.end()) {
            continue;
        }
        pugi::xml_node node = parameters.append_child("param");
        node.append_attribute("name") = param.name.c_str();
        node.append_attribute("type") = PresetManager::getTypeString(param.type).c_str();
        node.append_attribute("value") = formatValue(param.type, value->second).c_str();
    }

    std::ostringstream out;
    doc.save(out, "\t", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

}  // namespace

bool PresetManager::savePreset(const std::string& path, const std::string& effectName,
                               const std::string& version,
                               const std::map<std::string, ParameterValue>& values,
                               const XMLEffectDefinition& definition) {
    // A NUL would cut the name short in every system call below.
    if (path.find('\0') != std::string::npos) {
        Logger::getInstance()->logMessage(LogLevel::Error, "Failed to save preset: %s",
                                          path.c_str());
        return false;
    }
    const std::string directory = directoryToCreate(path);
    if (!directory.empty() && !createDirectoryRecursive(directory)) {
        Logger::getInstance()->logMessage(LogLevel::Error, "Failed to create preset directory: %s",
                                          directory.c_str());
        return false;
    }

    const std::string contents = buildDocument(effectName, version, values, definition);
    std::string error;
    if (!writeFileAtomically(path, contents, error)) {
        Logger::getInstance()->logMessage(LogLevel::Error, "Failed to save preset: %s",
                                          path.c_str());
        Logger::getInstance()->logMessage("Preset write error: %s", error.c_str());
        return false;
    }
    Logger::getInstance()->logMessage(LogLevel::Info, "Preset saved: %s", path.c_str());
    return true;
}

std::map<std::string, ParameterValue> PresetManager::loadPreset(const std::string& path,
                                                                std::string& effectName,
                                                                std::string& version) {
    std::map<std::string, ParameterValue> values;
    Logger* log = Logger::getInstance();

    // Only regular files: opening a FIFO or a device named like a preset would
    // block or read endlessly.
    struct stat info {};
    pugi::xml_document doc;
    if (path.find('\0') != std::string::npos || ::stat(path.c_str(), &info) != 0 ||
        !S_ISREG(info.st_mode) || !doc.load_file(path.c_str())) {
        log->logMessage(LogLevel::Error, "Failed to load preset file: %s", path.c_str());
        return values;
    }

    const pugi::xml_node preset = doc.child("preset");
    if (!preset) {
        log->logMessage(LogLevel::Error, "Invalid preset file (no <preset> root): %s",
                        path.c_str());
        return values;
    }

    if (const pugi::xml_node meta = preset.child("meta")) {
        effectName = meta.child("effect").text().get();
        version = meta.child("version").text().get();
    }

    for (const pugi::xml_node param : preset.child("parameters").children("param")) {
        const std::string name = param.attribute("name").value();
        if (name.empty()) {
            continue;
        }
        const std::string type = param.attribute("type").value();
        const std::string text = param.attribute("value").value();
        try {
            if (std::optional<ParameterValue> value = readValue(type, text)) {
                values[name] = *value;
            }
        } catch (const std::exception& e) {
            log->logMessage(LogLevel::Info, "Failed to parse preset param '%s': %s", name.c_str(),
                            e.what());
        }
    }

    log->logMessage(LogLevel::Info, "Preset loaded: %s (%zu parameters)", path.c_str(),
                    values.size());
    return values;
}

std::string PresetManager::getUserPresetDirectory(const std::string& effectName) {
    // An empty HOME would put the presets at the file-system root.
    const char* home = std::getenv("HOME");
    const std::string base = (home != nullptr && home[0] != '\0') ? home : "/tmp";
    return base + "/.config/corvane/presets/" + effectName;
}

std::string PresetManager::getFactoryPresetDirectory(const std::string& bundleName) {
    return "/usr/OFX/Plugins/" + bundleName + ".ofx.bundle/Contents/Resources/presets";
}

bool PresetManager::isValidPresetName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

std::string PresetManager::getCurrentTimestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[32] = {};
    if (::localtime_r(&now, &local) == nullptr ||
        std::strftime(text, sizeof(text), "%Y-%m-%dT%H:%M:%S", &local) == 0) {
        return std::string();
    }
    return text;
}

std::string PresetManager::getTypeString(const std::string& definitionType) {
    if (definitionType == "double") {
        return "float";
    }
    if (definitionType == "color") {
        return "vec3";
    }
    if (definitionType == "color_rgba") {
        return "vec4";
    }
    return definitionType;
}

std::vector<std::string> PresetManager::splitString(const std::string& text, char separator) {
    return splitText(text, separator);
}

bool PresetManager::fileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool PresetManager::createDirectoryRecursive(const std::string& path) {
    std::string prefix;
    for (std::string::size_type i = 0; i < path.size(); ++i) {
        prefix += path[i];
        if (path[i] == '/' || i + 1 == path.size()) {
            // Existing parts fail harmlessly; the final check decides.
            ::mkdir(prefix.c_str(), 0755);
        }
    }
    return fileExists(path);
}

std::vector<std::string> PresetManager::listDirectory(const std::string& path) {
    std::vector<std::string> names;
    // Closed on every way out, a failed allocation in the loop included.
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(path.c_str()), &::closedir);
    if (!dir) {
        return names;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    return names;
}

bool PresetManager::endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}
