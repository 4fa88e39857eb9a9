#include "effect/BundleLocation.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>

namespace {

// Any object of this binary tells dladdr which file it was loaded from.
const char kAnchor = 0;

// `path` without its last component; empty when there is none.
std::string parentOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

std::string lastComponent(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string BundleLocation::resourcesDirectory() {
    Dl_info info{};
    if (::dladdr(&kAnchor, &info) == 0 || info.dli_fname == nullptr) {
        return std::string();
    }
    // The loader may hold a relative or linked path.
    char resolved[PATH_MAX];
    if (::realpath(info.dli_fname, resolved) == nullptr) {
        return std::string();
    }
    return resourcesDirectoryOf(resolved);
}

std::string BundleLocation::resourcesDirectoryOf(const std::string& binaryPath) {
    const std::string architecture = parentOf(binaryPath);
    const std::string contents = parentOf(architecture);
    if (architecture.empty() || contents.empty() || lastComponent(contents) != "Contents") {
        return std::string();
    }
    return contents + "/Resources";
}

std::string BundleLocation::installedResourcesDirectory(const std::string& bundleName) {
    return "/usr/OFX/Plugins/" + bundleName + ".ofx.bundle/Contents/Resources";
}
