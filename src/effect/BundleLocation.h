#pragma once

#include <string>

// Where the plug-in's bundle is: found from the path of the loaded binary
// that holds this code (<bundle>/Contents/<architecture>/<name>.ofx), so that
// bundled files are read from wherever the bundle was installed.
class BundleLocation {
  public:
    BundleLocation() = delete;

    // "<bundle>/Contents/Resources" of the binary holding this code; empty
    // when its path cannot be found or does not lie inside a bundle.
    static std::string resourcesDirectory();
    // The same for a binary at `binaryPath`.
    static std::string resourcesDirectoryOf(const std::string& binaryPath);
    // Contents/Resources of the bundle `bundleName` installed where hosts
    // look first: /usr/OFX/Plugins.
    static std::string installedResourcesDirectory(const std::string& bundleName);
};
