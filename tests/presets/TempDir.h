#pragma once

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

// A fresh directory under /tmp, removed with everything in it (read-only
// sub-directories included) when the test ends.
class TempDir {
  public:
    TempDir() {
        std::string pattern = "/tmp/ofxfw_presets_XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (::mkdtemp(name.data()) != nullptr) {
            _path = name.data();
        }
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        if (_path.empty()) {
            return;
        }
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(_path, ignored)) {
            if (entry.is_directory(ignored)) {
                ::chmod(entry.path().c_str(), 0755);
            }
        }
        std::filesystem::remove_all(_path, ignored);
    }

    const std::string& path() const { return _path; }
    std::string operator/(const std::string& name) const { return _path + "/" + name; }

  private:
    std::string _path;
};
