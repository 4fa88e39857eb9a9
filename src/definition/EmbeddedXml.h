#pragma once

// The effect definition text compiled into the plug-in (NUL-terminated). Each
// effect's build generates the definition of this symbol from its XML file.
extern const char EMBEDDED_XML[];
