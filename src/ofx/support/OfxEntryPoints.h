#pragma once

#include "ofx/api/ofx_core.h"

// The only two symbols a plug-in binary exports; the host finds them by name.
extern "C" {
__attribute__((visibility("default"))) int OfxGetNumberOfPlugins(void);
__attribute__((visibility("default"))) OfxPlugin* OfxGetPlugin(int nth);
}
