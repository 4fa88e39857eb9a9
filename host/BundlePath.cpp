#include "BundlePath.h"

#include <filesystem>

#include "HostError.h"

namespace ofxhost {

namespace fs = std::filesystem;

namespace {

constexpr char kBundleSuffix[] = ".ofx.bundle";
constexpr char kArchitectureFolder[] = "Linux-x86-64";

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The bundle holding `binary` when it sits at NAME.ofx.bundle/Contents/<arch>/NAME.ofx.
fs::path enclosingBundle(const fs::path& binary) {
    const fs::path architecture = binary.parent_path();
    const fs::path contents = architecture.parent_path();
    const fs::path bundle = contents.parent_path();
    if (architecture.filename() == kArchitectureFolder && contents.filename() == "Contents" &&
        bundle.filename().string() == binary.stem().string() + kBundleSuffix) {
        return bundle;
    }
    return architecture;
}

}  // namespace

BundlePath BundlePath::resolve(const std::string& path) {
    std::error_code error;
    const fs::path given = fs::absolute(fs::path(path), error).lexically_normal();
    if (error || !fs::exists(given, error)) {
        throw HostError("no such bundle or plug-in file: " + path);
    }
    if (fs::is_directory(given, error)) {
        // A trailing slash leaves an empty last component after normalising.
        const fs::path bundle = given.filename().empty() ? given.parent_path() : given;
        const std::string name = bundle.filename().string();
        if (!endsWith(name, kBundleSuffix)) {
            throw HostError("not an OFX bundle (name must end in " + std::string(kBundleSuffix) +
                            "): " + path);
        }
        const std::string stem = name.substr(0, name.size() - (sizeof(kBundleSuffix) - 1));
        const fs::path binary = bundle / "Contents" / kArchitectureFolder / (stem + ".ofx");
        if (!fs::is_regular_file(binary, error)) {
            throw HostError("bundle " + path + " has no binary " + binary.string());
        }
        return {binary.string(), bundle.string()};
    }
    if (!fs::is_regular_file(given, error)) {
        throw HostError("not a bundle directory or plug-in file: " + path);
    }
    return {given.string(), enclosingBundle(given).string()};
}

}  // namespace ofxhost
