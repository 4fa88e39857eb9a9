#include "util/Logger.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdarg>
#include <ctime>

#include "util/AsciiLower.h"

namespace {

const char* tagOf(LogLevel level) {
    switch (level) {
        case LogLevel::Error:
            return "[ERROR] ";
        case LogLevel::Info:
            return "[INFO] ";
        case LogLevel::Debug:
            return "[DEBUG] ";
    }
    return "[ERROR] ";
}

const char* headerLevelName(LogLevel level) {
    switch (level) {
        case LogLevel::Debug:
            return "DEBUG";
        case LogLevel::Info:
            return "INFO";
        case LogLevel::Error:
            break;
    }
    return "ERROR";
}

// The log lives at a name anyone can predict in a world-writable directory, so
// a planted symbolic link is refused rather than followed, and a planted FIFO
// or device is refused rather than blocking the host on open or write.
std::FILE* openLogFile(const std::string& path) {
    const int fd = ::open(path.c_str(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, "w");
    if (file == nullptr) {
        ::close(fd);
    }
    return file;
}

std::string localTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    char text[32] = "";
    if (::localtime_r(&now, &parts) != nullptr) {
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    }
    return text;
}

void writeLine(std::FILE* file, const char* tag, const char* format, std::va_list args) {
    std::fputs(tag, file);
    std::vfprintf(file, format, args);
    std::fputc('\n', file);
}

}  // namespace

Logger* Logger::getInstance() {
    static Logger instance;
    return &instance;
}

Logger::Logger() = default;

Logger::~Logger() {
    std::lock_guard<std::mutex> guard(_lock);
    if (_file && _level.load() >= LogLevel::Info) {
        std::fputs("[INFO] === Logger Destroyed ===\n", _file.get());
    }
    _file.reset();
}

std::string Logger::logPath(const std::string& effectName) {
    return "/tmp/" + effectName + "_plugin_log.txt";
}

std::string Logger::oldLogPath(const std::string& effectName) {
    return "/tmp/" + effectName + "_plugin_log.old";
}

void Logger::setEffectName(const std::string& name) {
    std::lock_guard<std::mutex> guard(_lock);
    _effectName = name;
    if (_file) {
        std::fprintf(_file.get(), "[INFO] === Switching to new effect: %s ===\n", name.c_str());
        _file.reset();
    }

    const std::string path = logPath(name);
    // A missing log makes the rename fail, which is as good as not renaming.
    std::rename(path.c_str(), oldLogPath(name).c_str());

    _file.reset(openLogFile(path));
    if (!_file) {
        return;
    }
    std::FILE* file = _file.get();
    std::fprintf(file, "=== %s Plugin Session Started ===\n", name.c_str());
    std::fflush(file);
    std::fprintf(file, "Session time: %s\n", localTimeText().c_str());
    std::fprintf(file, "Log file: %s\n", path.c_str());
    std::fprintf(file, "Debug level: %s\n", headerLevelName(_level.load()));
    std::fflush(file);
}

void Logger::setDebugLevel(LogLevel level) {
    _level.store(level);
}

void Logger::setDebugLevel(const std::string& text) {
    const std::string lower = asciiLower(text);
    if (lower == "debug") {
        setDebugLevel(LogLevel::Debug);
    } else if (lower == "info") {
        setDebugLevel(LogLevel::Info);
    } else {
        setDebugLevel(LogLevel::Error);
    }
}

LogLevel Logger::debugLevel() const {
    return _level.load();
}

std::string Logger::effectName() const {
    std::lock_guard<std::mutex> guard(_lock);
    return _effectName;
}

void Logger::logMessage(LogLevel level, const char* format, ...) {
    std::lock_guard<std::mutex> guard(_lock);
    if (!_file || level > _level.load()) {
        return;
    }
    std::va_list args;
    va_start(args, format);
    writeLine(_file.get(), tagOf(level), format, args);
    va_end(args);
    // Errors must survive a crash of the host; the rest may wait in the buffer.
    if (level == LogLevel::Error) {
        std::fflush(_file.get());
    }
}

void Logger::logMessage(const char* format, ...) {
    std::lock_guard<std::mutex> guard(_lock);
    if (!_file || _level.load() != LogLevel::Debug) {
        return;
    }
    std::va_list args;
    va_start(args, format);
    writeLine(_file.get(), tagOf(LogLevel::Debug), format, args);
    va_end(args);
}

void Logger::flush() {
    std::lock_guard<std::mutex> guard(_lock);
    if (_file) {
        std::fflush(_file.get());
    }
}
