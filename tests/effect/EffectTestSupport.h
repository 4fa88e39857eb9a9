#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "util/Logger.h"

// Points HOME at `path` for the life of this object, then restores it: the
// user preset folder lives under HOME.
class ScopedHome {
  public:
    explicit ScopedHome(const std::string& path) {
        if (const char* home = ::getenv("HOME")) {
            _previous = home;
        }
        ::setenv("HOME", path.c_str(), 1);
    }
    ~ScopedHome() {
        if (_previous) {
            ::setenv("HOME", _previous->c_str(), 1);
        } else {
            ::unsetenv("HOME");
        }
    }
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;

  private:
    std::optional<std::string> _previous;
};

// Everything the log of effect `name` holds so far.
inline std::string logText(const std::string& name) {
    Logger::getInstance()->flush();
    std::ifstream in(Logger::logPath(name));
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Waits for a file that another process writes; false if it never comes.
inline bool waitForFile(const std::string& path) {
    for (int attempt = 0; attempt < 2000; ++attempt) {
        if (::access(path.c_str(), F_OK) == 0) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}
