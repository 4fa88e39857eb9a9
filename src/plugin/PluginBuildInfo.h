#pragma once

// Constants of the effect this plug-in binary is built for. Each effect's
// build generates the source that defines them.

// The effect's name: names the log file. Surrounding double quotes, if any,
// are not part of the name.
extern const char PLUGIN_EFFECT_NAME[];
// Where the effect's definition file sits inside its installed bundle. The
// plug-in identifier comes from its file name; the file is never opened.
extern const char PLUGIN_DEFINITION_PATH[];
