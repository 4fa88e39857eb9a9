#include "ofx/support/OfxEntryPoints.h"

#include "ofx/support/PluginTable.h"

int OfxGetNumberOfPlugins(void) {
    return OFX::Private::pluginCount();
}

OfxPlugin* OfxGetPlugin(int nth) {
    return OFX::Private::pluginAt(nth);
}
