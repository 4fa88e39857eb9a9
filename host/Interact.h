#pragma once

#include "LiveHandles.h"
#include "PropertySet.h"
#include "ofx/api/ofx_interact.h"

namespace ofxhost {

// An interact descriptor: the entry point a plug-in registered (an overlay)
// and the properties the host describes it with.
class Interact {
  public:
    explicit Interact(OfxPluginEntryPoint* entry);
    Interact(const Interact&) = delete;
    Interact& operator=(const Interact&) = delete;

    static Interact* fromHandle(OfxInteractHandle handle);
    OfxInteractHandle handle() const;

    OfxPluginEntryPoint* entry() const { return _entry; }
    PropertySet& properties() { return _properties; }
    const PropertySet& properties() const { return _properties; }

    // interactRedraw requests, counted for whoever shows the interact.
    void requestRedraw() { ++_redrawRequests; }
    int redrawRequests() const { return _redrawRequests; }

  private:
    OfxPluginEntryPoint* _entry;
    PropertySet _properties;
    int _redrawRequests = 0;
    HandleRegistration<Interact> _registration{this};
};

}  // namespace ofxhost
