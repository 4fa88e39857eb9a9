#pragma once

#include <map>
#include <string>
#include <vector>

#include "effect/ParameterValue.h"

class XMLEffectDefinition;

// The preset store: writes a map of parameter values to a small XML file and
// reads it back, names the user and factory preset directories and offers the
// few file-system helpers the preset controls need. Stateless; every call
// stands alone and none throws for file problems.
class PresetManager {
  public:
    PresetManager() = delete;

    // Writes the values of the definition's parameters (in definition order)
    // to `path`, creating its directory. The file is replaced atomically: on
    // any failure the previous preset stays as it was. True when written.
    static bool savePreset(const std::string& path, const std::string& effectName,
                           const std::string& version,
                           const std::map<std::string, ParameterValue>& values,
                           const XMLEffectDefinition& definition);

    // Reads a preset file; empty on any failure. The out-strings are set from
    // the file's meta section when it has one.
    static std::map<std::string, ParameterValue> loadPreset(const std::string& path,
                                                            std::string& effectName,
                                                            std::string& version);

    // "$HOME/.config/corvane/presets/<effect name>" ("/tmp" standing in for an
    // unset HOME); no trailing slash, nothing is created.
    static std::string getUserPresetDirectory(const std::string& effectName);
    // The presets folder inside the installed bundle's resources.
    static std::string getFactoryPresetDirectory(const std::string& bundleName);

    // Whether `name` can be used as a single file name inside a preset
    // directory: not empty, not "." or "..", no slash, backslash or NUL.
    static bool isValidPresetName(const std::string& name);

    // Local time as "%Y-%m-%dT%H:%M:%S".
    static std::string getCurrentTimestamp();
    // The type text written to a preset file for a definition type.
    static std::string getTypeString(const std::string& definitionType);
    // Pieces between separators; empty pieces are kept except one after a
    // final separator ("1,2," gives two pieces, "" gives none).
    static std::vector<std::string> splitString(const std::string& text, char separator);

    static bool fileExists(const std::string& path);
    // Creates every missing directory along `path`; true when it exists after.
    static bool createDirectoryRecursive(const std::string& path);
    // Entry names except "." and "..", unsorted; empty when unreadable.
    static std::vector<std::string> listDirectory(const std::string& path);
    static bool endsWith(const std::string& text, const std::string& suffix);
};
