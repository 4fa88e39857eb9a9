#pragma once

#include <string>

namespace ofxhost {

// Where a plug-in binary and its bundle are, from what a user names: a
// "NAME.ofx.bundle" directory (binary Contents/Linux-x86-64/NAME.ofx) or a
// ".ofx" file directly.
struct BundlePath {
    std::string binary;
    // The bundle directory when the binary sits in one, else the binary's folder.
    std::string bundle;

    // Throws HostError naming what is missing.
    static BundlePath resolve(const std::string& path);
};

}  // namespace ofxhost
