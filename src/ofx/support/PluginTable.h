#pragma once

#include "ofx/api/ofx_core.h"

namespace OFX::Private {

// The OfxPlugin records behind the exported entry points, built from the
// plug-in's factories on first use. When the factories cannot be created the
// log says why and the binary offers no plug-ins; nothing is thrown.
int pluginCount() noexcept;
// The nth record, or null when `nth` is out of range.
OfxPlugin* pluginAt(int nth) noexcept;

}  // namespace OFX::Private
