#pragma once

#include <string>
#include <vector>

#include "HostOptions.h"
#include "MessageLog.h"
#include "PropertySet.h"
#include "ofx/api/ofx_core.h"

namespace ofxhost {

// The host as a plug-in sees it: the host descriptor property set, the OfxHost
// record handed to setHost, and the suites it serves by name and version
// according to its options. Every object a plug-in can reach knows its Host.
class Host {
  public:
    explicit Host(HostOptions options = {});
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    const HostOptions& options() const { return _options; }
    PropertySet& descriptor() { return _descriptor; }
    const PropertySet& descriptor() const { return _descriptor; }
    MessageLog& messages() { return _messages; }

    // The record for setHost / OfxSetHost; valid as long as this host.
    OfxHost* ofxHost() { return &_ofxHost; }

    // The suite of that name and version, or null when this host has none.
    const void* fetchSuite(const std::string& name, int version) const;

    // The contexts this host can describe and instantiate, in its order.
    static std::vector<std::string> supportedContexts();

  private:
    HostOptions _options;
    PropertySet _descriptor;
    MessageLog _messages;
    OfxHost _ofxHost;
};

}  // namespace ofxhost
