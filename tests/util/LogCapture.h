#pragma once

#include <string>

#include "util/Logger.h"

// Sends the process-wide log to a file of its own (named after a test-only
// effect and this process, so parallel test processes never share one) at the
// Debug level, and removes it again afterwards.
class LogCapture {
  public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // Everything written since construction.
    std::string text() const;
    // Whether one whole line of the log reads `line` (tag included).
    bool hasLine(const std::string& line) const;
    // Position of the first line reading `line`, or std::string::npos.
    std::size_t find(const std::string& line) const;

  private:
    std::string _effectName;
    LogLevel _previousLevel;
};
