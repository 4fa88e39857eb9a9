#pragma once

#include <vector>

#include "ofx/support/PluginFactory.h"

namespace OFX {

using PluginFactoryArray = std::vector<PluginFactory*>;

namespace Plugin {
// Implemented by the plug-in: appends the factories of the effects it offers.
// Called once, when the host first asks how many plug-ins the binary holds.
void getPluginIDs(PluginFactoryArray& ids);
}  // namespace Plugin

}  // namespace OFX
