// The preset controls of the panel: the two preset lists, save, load,
// factory load and delete, through the preset store.

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "effect/BundleLocation.h"
#include "effect/GenericEffect.h"
#include "presets/PresetManager.h"
#include "util/Logger.h"

namespace {

const char kLoadDefaultsEntry[] = ">> Load Defaults <<";
const char kPresetSuffix[] = ".xml";

// Fixed entries before the files: the user list has its header and "Load
// Defaults", the factory list only its header.
constexpr int kUserListFixedEntries = 2;
constexpr int kFactoryListFixedEntries = 1;

// The file that entry `index` of a list names, or null for a fixed entry or an
// index beyond the files.
const std::string* fileAtEntry(const std::vector<std::string>& files, int index, int fixedEntries) {
    if (index < fixedEntries || static_cast<std::size_t>(index - fixedEntries) >= files.size()) {
        return nullptr;
    }
    return &files[static_cast<std::size_t>(index - fixedEntries)];
}

// "Select from N preset(s)", or `empty` when there are none.
std::string listHeader(std::size_t count, const char* empty) {
    if (count == 0) {
        return empty;
    }
    char header[64];
    std::snprintf(header, sizeof header, "Select from %zu preset%s", count, count == 1 ? "" : "s");
    return header;
}

std::string withoutSuffix(const std::string& name) {
    return PresetManager::endsWith(name, kPresetSuffix)
               ? name.substr(0, name.size() - (sizeof kPresetSuffix - 1))
               : name;
}

// Runs one preset handler so that nothing it meets reaches the host: an
// exception is logged and reported as a failure.
template <class Handler>
bool guarded(const char* handlerName, Handler&& handler) {
    try {
        return handler();
    } catch (const std::exception& error) {
        Logger::getInstance()->logMessage(LogLevel::Error, "%s failed: %s", handlerName,
                                          error.what());
        return false;
    }
}

// A typed name becomes one file name inside the preset directory: anything
// that could lead out of it is refused.
bool acceptableName(const std::string& name) {
    if (PresetManager::isValidPresetName(name)) {
        return true;
    }
    Logger::getInstance()->logMessage(
        LogLevel::Error,
        "Invalid preset name '%s' - a name must not contain '/' or '\\' nor be '.' or '..'",
        name.c_str());
    return false;
}

}  // namespace

std::string GenericEffect::deriveBundleName(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
    if (name.size() >= 5 && PresetManager::endsWith(name, kPresetSuffix)) {
        name.erase(name.size() - 4);
    }
    return name;
}

std::string GenericEffect::userPresetDirectory() const {
    return PresetManager::getUserPresetDirectory(_definition.getName());
}

std::string GenericEffect::factoryPresetDirectory() const {
    const std::string resources = BundleLocation::resourcesDirectory();
    return resources.empty() ? PresetManager::getFactoryPresetDirectory(_bundleName)
                             : resources + "/presets";
}

std::vector<std::string> GenericEffect::listPresetNames(const std::string& directory) {
    std::vector<std::string> names;
    for (const std::string& entry : PresetManager::listDirectory(directory)) {
        if (PresetManager::endsWith(entry, kPresetSuffix)) {
            names.push_back(withoutSuffix(entry));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

void GenericEffect::fillChoice(OFX::ChoiceParam& list, const std::vector<std::string>& entries) {
    list.resetOptions();
    for (const std::string& entry : entries) {
        list.appendOption(entry);
    }
    list.setValue(0);
}

void GenericEffect::selectListEntry(const std::string& listName, int index) {
    OFX::ChoiceParam* list = findParamAs<OFX::ChoiceParam>(listName);
    if (list == nullptr) {
        return;
    }
    try {
        list->setValue(index);
    } catch (const std::exception& error) {
        Logger::getInstance()->logMessage(LogLevel::Error, "Failed to select entry %d of %s: %s",
                                          index, listName.c_str(), error.what());
    }
}

void GenericEffect::refreshPresetList() {
    Logger* log = Logger::getInstance();
    const std::string directory = userPresetDirectory();
    const std::vector<std::string> names = listPresetNames(directory);
    log->logMessage(LogLevel::Info, "Found %zu presets in %s", names.size(), directory.c_str());

    OFX::ChoiceParam* list = nullptr;
    {
        std::lock_guard<std::mutex> lock(_paramMutex);
        _presetFiles = names;
        list = dynamic_cast<OFX::ChoiceParam*>(paramLocked("preset_list"));
    }
    if (list == nullptr) {
        log->logMessage(LogLevel::Error, "preset_list parameter not found");
        return;
    }
    std::vector<std::string> entries = {listHeader(names.size(), "(no presets found)"),
                                        kLoadDefaultsEntry};
    entries.insert(entries.end(), names.begin(), names.end());
    try {
        fillChoice(*list, entries);
    } catch (const std::exception& error) {
        log->logMessage(LogLevel::Error, "Failed to refresh preset_list: %s", error.what());
        return;
    }
    log->logMessage(LogLevel::Info, "Preset list refreshed: %zu presets found", names.size());
}

void GenericEffect::refreshFactoryPresetList() {
    Logger* log = Logger::getInstance();
    const std::string directory = factoryPresetDirectory();
    const std::vector<std::string> names = listPresetNames(directory);
    log->logMessage(LogLevel::Info, "Found %zu factory presets in %s", names.size(),
                    directory.c_str());

    OFX::ChoiceParam* list = nullptr;
    {
        std::lock_guard<std::mutex> lock(_paramMutex);
        _factoryPresetFiles = names;
        list = dynamic_cast<OFX::ChoiceParam*>(paramLocked("factory_preset_list"));
    }
    if (list == nullptr) {
        log->logMessage(LogLevel::Error, "factory_preset_list parameter not found");
        return;
    }
    try {
        if (names.empty()) {
            list->setIsSecret(true);
            log->logMessage(LogLevel::Info, "No factory presets found - hiding dropdown");
            return;
        }
        list->setIsSecret(false);
        std::vector<std::string> entries = {listHeader(names.size(), "(no factory presets)")};
        entries.insert(entries.end(), names.begin(), names.end());
        fillChoice(*list, entries);
    } catch (const std::exception& error) {
        log->logMessage(LogLevel::Error, "Failed to refresh factory_preset_list: %s", error.what());
        return;
    }
    log->logMessage(LogLevel::Info, "Factory preset list refreshed: %zu presets found",
                    names.size());
}

bool GenericEffect::handlePresetSave() {
    return guarded("handlePresetSave", [this] {
        Logger* log = Logger::getInstance();
        fetchParametersIfNone();
        OFX::StringParam* nameParam = findParamAs<OFX::StringParam>("preset_name");
        if (nameParam == nullptr) {
            log->logMessage(LogLevel::Error, "preset_name parameter not found");
            return false;
        }
        std::string name = nameParam->getValue();
        if (name.empty()) {
            log->logMessage(LogLevel::Error,
                            "No preset name specified - enter a name in 'Preset Name' field");
            return false;
        }
        name = withoutSuffix(name);
        if (!acceptableName(name)) {
            return false;
        }
        const std::string path = userPresetDirectory() + "/" + name + kPresetSuffix;
        log->logMessage(LogLevel::Info, "Saving preset to: %s", path.c_str());

        const std::map<std::string, ParameterValue> values = collectAllParameterValues();
        if (!PresetManager::savePreset(path, _definition.getName(), _definition.getVersion(),
                                       values, _definition)) {
            return false;
        }
        refreshPresetList();
        int position = -1;
        {
            std::lock_guard<std::mutex> lock(_paramMutex);
            const auto found = std::find(_presetFiles.begin(), _presetFiles.end(), name);
            if (found != _presetFiles.end()) {
                position = static_cast<int>(found - _presetFiles.begin());
            }
        }
        if (position >= 0) {
            const int index = position + kUserListFixedEntries;
            selectListEntry("preset_list", index);
            log->logMessage(LogLevel::Info, "Selected saved preset '%s' at index %d", name.c_str(),
                            index);
        }
        selectListEntry("factory_preset_list", 0);
        return true;
    });
}

bool GenericEffect::handlePresetLoad() {
    return guarded("handlePresetLoad", [this] {
        Logger* log = Logger::getInstance();
        fetchParametersIfNone();
        OFX::ChoiceParam* list = nullptr;
        OFX::StringParam* nameParam = nullptr;
        std::vector<std::string> files;
        {
            std::lock_guard<std::mutex> lock(_paramMutex);
            list = dynamic_cast<OFX::ChoiceParam*>(paramLocked("preset_list"));
            nameParam = dynamic_cast<OFX::StringParam*>(paramLocked("preset_name"));
            files = _presetFiles;
        }
        std::string name;
        if (list != nullptr) {
            const int index = list->getValue();
            if (const std::string* file = fileAtEntry(files, index, kUserListFixedEntries)) {
                name = *file;
                log->logMessage(LogLevel::Info, "Loading preset from dropdown: %s (index %d)",
                                name.c_str(), index);
            }
        }
        if (name.empty() && nameParam != nullptr) {
            name = nameParam->getValue();
        }
        if (name.empty()) {
            log->logMessage(LogLevel::Error,
                            "No preset selected - choose from dropdown or enter name");
            return false;
        }
        name = withoutSuffix(name);
        if (!acceptableName(name)) {
            return false;
        }
        const std::string path = userPresetDirectory() + "/" + name + kPresetSuffix;
        log->logMessage(LogLevel::Info, "Loading preset from: %s", path.c_str());

        std::string effectName;
        std::string version;
        const std::map<std::string, ParameterValue> values =
            PresetManager::loadPreset(path, effectName, version);
        if (values.empty()) {
            log->logMessage(LogLevel::Error, "Failed to load preset or preset is empty: %s",
                            path.c_str());
            return false;
        }
        if (effectName != _definition.getName()) {
            log->logMessage(
                LogLevel::Info,
                "Preset was created for '%s' but loading into '%s' - some parameters may not apply",
                effectName.c_str(), _definition.getName().c_str());
        }
        applyParameterValues(values);
        selectListEntry("factory_preset_list", 0);
        log->logMessage(LogLevel::Info, "Preset loaded: %s (%zu parameters applied)", path.c_str(),
                        values.size());
        return true;
    });
}

bool GenericEffect::handleFactoryPresetLoad() {
    return guarded("handleFactoryPresetLoad", [this] {
        Logger* log = Logger::getInstance();
        fetchParametersIfNone();
        OFX::ChoiceParam* list = nullptr;
        std::vector<std::string> files;
        {
            std::lock_guard<std::mutex> lock(_paramMutex);
            list = dynamic_cast<OFX::ChoiceParam*>(paramLocked("factory_preset_list"));
            files = _factoryPresetFiles;
        }
        if (list == nullptr) {
            log->logMessage(LogLevel::Error, "factory_preset_list parameter not found");
            return false;
        }
        const int index = list->getValue();
        if (index == 0) {
            log->logMessage(LogLevel::Debug, "Factory preset placeholder selected - no action");
            return false;
        }
        const std::string* file = fileAtEntry(files, index, kFactoryListFixedEntries);
        if (file == nullptr) {
            log->logMessage(LogLevel::Error, "Invalid factory preset index: %d", index);
            return false;
        }
        const std::string& name = *file;
        const std::string path = factoryPresetDirectory() + "/" + name + kPresetSuffix;
        log->logMessage(LogLevel::Info, "Loading factory preset: %s", path.c_str());

        std::string effectName;
        std::string version;
        const std::map<std::string, ParameterValue> values =
            PresetManager::loadPreset(path, effectName, version);
        if (values.empty()) {
            log->logMessage(LogLevel::Error, "Failed to load factory preset or preset is empty");
            return false;
        }
        applyParameterValues(values);
        selectListEntry("preset_list", 0);
        log->logMessage(LogLevel::Info, "Factory preset loaded: %s (%zu parameters applied)",
                        name.c_str(), values.size());
        return true;
    });
}

bool GenericEffect::handlePresetDelete() {
    return guarded("handlePresetDelete", [this] {
        Logger* log = Logger::getInstance();
        fetchParametersIfNone();
        OFX::ChoiceParam* factoryList = nullptr;
        OFX::ChoiceParam* list = nullptr;
        std::vector<std::string> files;
        {
            std::lock_guard<std::mutex> lock(_paramMutex);
            factoryList = dynamic_cast<OFX::ChoiceParam*>(paramLocked("factory_preset_list"));
            list = dynamic_cast<OFX::ChoiceParam*>(paramLocked("preset_list"));
            files = _presetFiles;
        }
        if (factoryList != nullptr && factoryList->getValue() > 0) {
            log->logMessage(LogLevel::Info,
                            "Cannot delete factory presets - select a user preset to delete");
            return false;
        }
        if (list == nullptr) {
            log->logMessage(LogLevel::Error, "preset_list parameter not found");
            return false;
        }
        const int index = list->getValue();
        const std::string* file = fileAtEntry(files, index, kUserListFixedEntries);
        if (file == nullptr) {
            log->logMessage(
                LogLevel::Error,
                "No user preset selected - choose a preset from 'My Presets' dropdown first");
            return false;
        }
        const std::string& name = *file;
        const std::string path = userPresetDirectory() + "/" + name + kPresetSuffix;
        if (std::remove(path.c_str()) != 0) {
            log->logMessage(LogLevel::Error, "Failed to delete preset: %s", path.c_str());
            return false;
        }
        log->logMessage(LogLevel::Info, "Deleted preset: %s", name.c_str());
        refreshPresetList();
        return true;
    });
}
