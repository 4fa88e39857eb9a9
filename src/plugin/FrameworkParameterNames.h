#pragma once

// Names of the parameters every effect built from the framework has, outside
// its definition: the preset section at the top of the panel and the global
// blend at the bottom. The effect instance fetches them under these names.
namespace FrameworkParameterNames {

inline constexpr char PRESETS_HELP[] = "presetsHelp";
inline constexpr char FACTORY_PRESET_LIST[] = "factory_preset_list";
inline constexpr char PRESET_LIST[] = "preset_list";
inline constexpr char DELETE_PRESET[] = "delete_preset";
inline constexpr char PRESET_NAME[] = "preset_name";
inline constexpr char SAVE_PRESET[] = "save_preset";
inline constexpr char TUTORIALS_BUTTON[] = "tutorialsButton";
inline constexpr char GLOBAL_BLEND_GROUP[] = "Global Blend";
inline constexpr char BLEND[] = "Blend";

// All of the above, in the order they are defined.
inline constexpr const char* ALL[] = {
    PRESETS_HELP, FACTORY_PRESET_LIST, PRESET_LIST,        DELETE_PRESET, PRESET_NAME,
    SAVE_PRESET,  TUTORIALS_BUTTON,    GLOBAL_BLEND_GROUP, BLEND,
};

}  // namespace FrameworkParameterNames
