#pragma once

#include <atomic>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>

// Severity of a log line. A line is written when its level is not greater than
// the logger's current level.
enum class LogLevel : int { Error = 0, Info = 1, Debug = 2 };

// The plug-in's process-wide diagnostic log: one text file under /tmp named
// after the effect ("/tmp/<name>_plugin_log.txt"), rotated to ".old" each time
// the effect name is set. Every member is safe to call from any thread; the
// lock keeps lines whole.
class Logger {
  public:
    static Logger* getInstance();

    Logger(const Logger&) = delete;
    Logger& operator=(const Logger&) = delete;

    // Closes the current log (with a switching line), rotates and opens the
    // log of `name`. On failure to open, every later message is dropped until
    // the next successful call. A symbolic link or anything but a regular file
    // at the log path counts as a failure: the path is predictable.
    void setEffectName(const std::string& name);
    void setDebugLevel(LogLevel level);
    // "debug", "info" or "error" in any case; any other text selects Error.
    void setDebugLevel(const std::string& text);

    LogLevel debugLevel() const;
    std::string effectName() const;

    // One line per call; the logger adds the tag and the newline.
    void logMessage(LogLevel level, const char* format, ...) __attribute__((format(printf, 3, 4)));
    // Written only at the Debug level, tagged "[DEBUG] ".
    void logMessage(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void flush();

    static std::string logPath(const std::string& effectName);
    static std::string oldLogPath(const std::string& effectName);

  private:
    Logger();
    ~Logger();

    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::unique_ptr<std::FILE, FileCloser> _file;
    std::string _effectName = "UnknownEffect";
    // Changed without the lock: a racing message sees the old or the new level.
    std::atomic<LogLevel> _level{LogLevel::Error};
    mutable std::mutex _lock;
};
