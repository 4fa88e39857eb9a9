#pragma once

#include <string>

#include "HostOptions.h"
#include "PropertySet.h"
#include "ofx/api/ofx_core.h"

namespace ofxhost {

// The properties, with their defaults, of the objects of an image effect:
// what a plug-in may set on descriptors and what the host fills in on
// instances.
void defineEffectDescriptorProperties(PropertySet& set, const HostOptions& options,
                                      const std::string& bundlePath);
void defineEffectInstanceProperties(PropertySet& set, const std::string& context,
                                    void* descriptorHandle);
void defineParamSetProperties(PropertySet& set);
void defineClipDescriptorProperties(PropertySet& set, const std::string& name);
void defineClipInstanceProperties(PropertySet& set, bool connected);
void defineInteractDescriptorProperties(PropertySet& set);

// The region every connected clip covers: the project, in canonical
// coordinates.
OfxRectD projectRegion();

}  // namespace ofxhost
