#pragma once

#include <string>
#include <vector>

#include "ofx/support/ContextEnum.h"

namespace OFX {

// What the host says about itself in its descriptor, read at the load action.
// A property the host does not provide keeps the value below.
struct ImageEffectHostDescription {
    std::string hostName;
    std::string hostLabel;
    // "OfxPropAPIVersion"; a host without it implements 1.0.
    int apiVersionMajor = 1;
    int apiVersionMinor = 0;
    bool hostIsBackground = false;
    bool supportsOverlays = false;
    std::vector<ContextEnum> supportedContexts;
    // "true" or "needed" in the host's string properties.
    bool supportsCudaRender = false;
    bool supportsCudaStream = false;
};

// The description of the host that loaded the plug-in (empty before loading).
const ImageEffectHostDescription& getImageEffectHostDescription();

namespace Private {
// Reads the description from the host's descriptor; never throws for a
// missing or refused property.
void readHostDescription();
}  // namespace Private

}  // namespace OFX
