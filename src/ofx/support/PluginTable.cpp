#include "ofx/support/PluginTable.h"

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "ofx/api/ofx_image_effect.h"
#include "ofx/support/ExceptionBoundary.h"
#include "ofx/support/Plugin.h"
#include "ofx/support/Suites.h"
#include "util/Logger.h"

namespace OFX::Private {

namespace {

// Only stores the pointer: the host allows no other call here.
void setHost(OfxHost* host) {
    gHost = host;
}

OfxPlugin makeRecord(const PluginFactory& factory) {
    OfxPlugin record{};
    record.pluginApi = kOfxImageEffectPluginApi;
    record.apiVersion = kOfxImageEffectPluginApiVersion;
    // The factory lives as long as the binary, and so does its identifier.
    record.pluginIdentifier = factory.getID().c_str();
    record.pluginVersionMajor = factory.getMajorVersion();
    record.pluginVersionMinor = factory.getMinorVersion();
    record.setHost = &setHost;
    record.mainEntry = factory.getMainEntry();
    return record;
}

std::vector<OfxPlugin> buildRecords() {
    PluginFactoryArray factories;
    Plugin::getPluginIDs(factories);
    std::vector<OfxPlugin> records;
    std::set<std::string> uids;
    for (const PluginFactory* factory : factories) {
        if (factory == nullptr) {
            continue;
        }
        if (!uids.insert(factory->getUID()).second) {
            Logger::getInstance()->logMessage("Skipping a second factory for %s",
                                              factory->getUID().c_str());
            continue;
        }
        records.push_back(makeRecord(*factory));
    }
    return records;
}

std::vector<OfxPlugin> loadRecords() noexcept {
    std::vector<OfxPlugin> records;
    const OfxStatus status = runGuarded("Creating the plug-in factories", [&records] {
        records = buildRecords();
        return kOfxStatOK;
    });
    if (status != kOfxStatOK) {
        records.clear();
        // The log may not be open yet, so say it where a person running the host sees it.
        std::fprintf(stderr, "OFX plug-in: factory creation failed; offering no plug-ins\n");
    }
    return records;
}

// Built once, thread-safely, on the first query of either entry point.
std::vector<OfxPlugin>& records() {
    static std::vector<OfxPlugin> table = loadRecords();
    return table;
}

}  // namespace

int pluginCount() noexcept {
    return static_cast<int>(records().size());
}

OfxPlugin* pluginAt(int nth) noexcept {
    std::vector<OfxPlugin>& table = records();
    if (nth < 0 || nth >= static_cast<int>(table.size())) {
        return nullptr;
    }
    return &table[static_cast<std::size_t>(nth)];
}

}  // namespace OFX::Private
