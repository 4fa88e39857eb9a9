#include "util/Logger.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr std::size_t kHeaderLines = 4;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> readLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The lines a session wrote after its header.
std::vector<std::string> bodyLines(const std::string& path) {
    std::vector<std::string> lines = readLines(path);
    if (lines.size() < kHeaderLines) {
        ADD_FAILURE() << path << " has no complete header";
        return {};
    }
    return std::vector<std::string>(lines.begin() + kHeaderLines, lines.end());
}

// '#' in the pattern stands for any decimal digit.
bool matchesDigitPattern(const std::string& text, const std::string& pattern) {
    if (text.size() != pattern.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (pattern[i] == '#' ? !digit : text[i] != pattern[i]) {
            return false;
        }
    }
    return true;
}

// The line that message i of thread t makes in the concurrency test.
std::string threadLine(int t, int i, const std::string& payload) {
    const char* tag = i % 3 == 0 ? "[ERROR] " : (i % 3 == 1 ? "[INFO] " : "[DEBUG] ");
    return tag + ("thread " + std::to_string(t) + " line " + std::to_string(i) + " " + payload);
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

bool isSymlink(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool isRegularFile(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Every test logs under effect names of its own (with the process id, so that
// parallel runs never share a file) and removes what it made. The logger is a
// process-wide singleton: each test sets the level and the name it relies on.
class LoggerTest : public ::testing::Test {
  protected:
    void TearDown() override {
        for (const std::string& name : _names) {
            std::remove(Logger::logPath(name).c_str());
            std::remove(Logger::oldLogPath(name).c_str());
        }
        for (const std::string& path : _paths) {
            std::remove(path.c_str());
        }
    }

    std::string effectName(const std::string& what) {
        std::string name = "ofxfw_test_logger_" + what + "_" + std::to_string(::getpid());
        std::remove(Logger::logPath(name).c_str());
        std::remove(Logger::oldLogPath(name).c_str());
        _names.push_back(name);
        return name;
    }

    // Removed at the end of the test (std::remove also removes empty folders).
    std::string scratchPath(const std::string& what) {
        std::string path = "/tmp/ofxfw_test_logger_" + what + "_" + std::to_string(::getpid());
        std::remove(path.c_str());
        _paths.push_back(path);
        return path;
    }

    Logger& log() { return *Logger::getInstance(); }

  private:
    std::vector<std::string> _names;
    std::vector<std::string> _paths;
};

TEST_F(LoggerTest, HeaderNamesTheEffectThePathAndTheLevel) {
    struct Case {
        LogLevel level;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {LogLevel::Debug, "DEBUG"}, {LogLevel::Info, "INFO"}, {LogLevel::Error, "ERROR"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        const std::string name = effectName(std::string("header_") + c.shown);
        log().setDebugLevel(c.level);
        log().setEffectName(name);
        EXPECT_EQ(log().effectName(), name);

        // The header is flushed, so it is on disk before any later flush.
        const std::vector<std::string> lines = readLines(Logger::logPath(name));
        ASSERT_EQ(lines.size(), kHeaderLines);
        EXPECT_EQ(lines[0], "=== " + name + " Plugin Session Started ===");
        EXPECT_TRUE(matchesDigitPattern(lines[1], "Session time: ####-##-## ##:##:##")) << lines[1];
        EXPECT_EQ(lines[2], "Log file: /tmp/" + name + "_plugin_log.txt");
        EXPECT_EQ(lines[3], std::string("Debug level: ") + c.shown);
    }
}

TEST_F(LoggerTest, WritesOnlyMessagesWithinTheLevel) {
    struct Case {
        LogLevel level;
        const char* label;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {LogLevel::Error, "error", {"[ERROR] error 1 e"}},
        {LogLevel::Info, "info", {"[ERROR] error 1 e", "[INFO] info 2 i"}},
        {LogLevel::Debug,
         "debug",
         {"[ERROR] error 1 e", "[INFO] info 2 i", "[DEBUG] debug 3 d", "[DEBUG] debug-only 4 o",
          "[DEBUG] [DEBUG] tagged by the caller"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string name = effectName(std::string("levels_") + c.label);
        log().setDebugLevel(c.level);
        log().setEffectName(name);
        log().logMessage(LogLevel::Error, "error %d %s", 1, "e");
        log().logMessage(LogLevel::Info, "info %d %s", 2, "i");
        log().logMessage(LogLevel::Debug, "debug %d %s", 3, "d");
        log().logMessage("debug-only %d %s", 4, "o");
        log().logMessage("[DEBUG] tagged by the caller");
        log().flush();
        EXPECT_EQ(bodyLines(Logger::logPath(name)), c.expected);
    }
}

TEST_F(LoggerTest, ErrorLinesReachTheDiskAtOnceOthersWaitForAFlush) {
    const std::string name = effectName("flush");
    const std::string path = Logger::logPath(name);
    log().setDebugLevel(LogLevel::Debug);
    log().setEffectName(name);

    log().logMessage(LogLevel::Info, "held back");
    EXPECT_EQ(bodyLines(path), std::vector<std::string>{});

    // Flushing the error also pushes out what was buffered before it.
    log().logMessage(LogLevel::Error, "urgent %d", 7);
    EXPECT_EQ(bodyLines(path), (std::vector<std::string>{"[INFO] held back", "[ERROR] urgent 7"}));

    log().logMessage("debug line");
    EXPECT_EQ(bodyLines(path).size(), 2u);
    log().flush();
    EXPECT_EQ(bodyLines(path), (std::vector<std::string>{"[INFO] held back", "[ERROR] urgent 7",
                                                         "[DEBUG] debug line"}));
}

TEST_F(LoggerTest, SetsTheLevelFromTextWithoutWritingALine) {
    struct Case {
        const char* text;
        LogLevel expected;
    };
    const std::vector<Case> cases = {
        {"DEBUG", LogLevel::Debug},   {"Debug", LogLevel::Debug},   {"debug", LogLevel::Debug},
        {"INFO", LogLevel::Info},     {"iNfO", LogLevel::Info},     {"info", LogLevel::Info},
        {"error", LogLevel::Error},   {"ERROR", LogLevel::Error},   {"none", LogLevel::Error},
        {"verbose", LogLevel::Error}, {"", LogLevel::Error},        {" debug", LogLevel::Error},
        {"debug ", LogLevel::Error},  {"warning", LogLevel::Error},
    };
    const std::string name = effectName("level_text");
    log().setEffectName(name);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        // Start from a different level so that a call that does nothing shows.
        log().setDebugLevel(c.expected == LogLevel::Debug ? LogLevel::Error : LogLevel::Debug);
        log().setDebugLevel(std::string(c.text));
        EXPECT_EQ(log().debugLevel(), c.expected);
    }
    log().flush();
    EXPECT_EQ(readLines(Logger::logPath(name)).size(), kHeaderLines);
}

TEST_F(LoggerTest, RenamingWritesTheSwitchLineAndRotatesTheNewLog) {
    const std::string first = effectName("rename_from");
    // Spaces and capitals are kept in the file name.
    const std::string second = effectName("Rename To");
    writeFile(Logger::logPath(second), "stale log of the second name\n");

    // The switch line is written whatever the level.
    log().setDebugLevel(LogLevel::Error);
    log().setEffectName(first);
    log().logMessage(LogLevel::Info, "filtered out");
    log().setEffectName(second);
    EXPECT_EQ(log().effectName(), second);

    EXPECT_EQ(bodyLines(Logger::logPath(first)),
              std::vector<std::string>{"[INFO] === Switching to new effect: " + second + " ==="});
    EXPECT_EQ(readFile(Logger::oldLogPath(second)), "stale log of the second name\n");
    const std::vector<std::string> lines = readLines(Logger::logPath(second));
    ASSERT_EQ(lines.size(), kHeaderLines);
    EXPECT_EQ(lines[0], "=== " + second + " Plugin Session Started ===");
    EXPECT_EQ(lines[2], "Log file: /tmp/" + second + "_plugin_log.txt");
}

TEST_F(LoggerTest, SettingTheSameNameAgainStartsAFreshLog) {
    const std::string name = effectName("same_name");
    log().setDebugLevel(LogLevel::Info);
    log().setEffectName(name);
    log().logMessage(LogLevel::Info, "first session");
    log().setEffectName(name);

    EXPECT_EQ(bodyLines(Logger::oldLogPath(name)),
              (std::vector<std::string>{"[INFO] first session",
                                        "[INFO] === Switching to new effect: " + name + " ==="}));
    const std::vector<std::string> fresh = readLines(Logger::logPath(name));
    ASSERT_EQ(fresh.size(), kHeaderLines);
    EXPECT_EQ(fresh[0], "=== " + name + " Plugin Session Started ===");
}

TEST_F(LoggerTest, ALogThatCannotBeOpenedStaysSilentUntilTheNextName) {
    const std::string before = effectName("before_failure");
    const std::string after = effectName("after_failure");
    const std::string unopenable =
        "ofxfw_test_logger_missing_dir_" + std::to_string(::getpid()) + "/effect";
    log().setDebugLevel(LogLevel::Info);
    log().setEffectName(before);
    log().setEffectName(unopenable);
    EXPECT_EQ(log().effectName(), unopenable);
    log().logMessage(LogLevel::Error, "lost while silent");
    log().logMessage(LogLevel::Info, "also lost");
    log().flush();
    log().setEffectName(after);

    EXPECT_EQ(
        bodyLines(Logger::logPath(before)),
        std::vector<std::string>{"[INFO] === Switching to new effect: " + unopenable + " ==="});
    EXPECT_EQ(readLines(Logger::logPath(after)).size(), kHeaderLines);
}

// A link planted at the predictable log path by someone else cannot be moved
// aside (the sticky /tmp forbids it); a folder at the old-log path makes the
// rotation fail the same way here.
TEST_F(LoggerTest, DoesNotFollowALinkPlantedAtTheLogPath) {
    const std::string name = effectName("planted_link");
    const std::string target = scratchPath("link_target.txt");
    writeFile(target, "not the logger's\n");
    ASSERT_EQ(::mkdir(Logger::oldLogPath(name).c_str(), 0700), 0);
    ASSERT_EQ(::symlink(target.c_str(), Logger::logPath(name).c_str()), 0);

    log().setDebugLevel(LogLevel::Debug);
    log().setEffectName(name);
    log().logMessage(LogLevel::Error, "must go nowhere");
    log().flush();

    EXPECT_EQ(readFile(target), "not the logger's\n");
    EXPECT_TRUE(isSymlink(Logger::logPath(name)));
    EXPECT_EQ(log().effectName(), name);
}

TEST_F(LoggerTest, DoesNotWriteIntoAFifoPlantedAtTheLogPath) {
    const std::string name = effectName("planted_fifo");
    ASSERT_EQ(::mkdir(Logger::oldLogPath(name).c_str(), 0700), 0);
    ASSERT_EQ(::mkfifo(Logger::logPath(name).c_str(), 0600), 0);
    // A reader keeps the writer's open from blocking, so a logger that took the
    // FIFO for its log would show here as data rather than as a hang.
    const int reader = ::open(Logger::logPath(name).c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);

    log().setDebugLevel(LogLevel::Debug);
    log().setEffectName(name);
    log().logMessage(LogLevel::Error, "must go nowhere");
    log().flush();

    char buffer[64];
    EXPECT_LE(::read(reader, buffer, sizeof buffer), 0);
    ::close(reader);
}

TEST_F(LoggerTest, RotatesAwayItsOwnLinkAndOpensARegularFile) {
    const std::string name = effectName("own_link");
    const std::string target = scratchPath("own_link_target.txt");
    writeFile(target, "untouched\n");
    ASSERT_EQ(::symlink(target.c_str(), Logger::logPath(name).c_str()), 0);

    log().setDebugLevel(LogLevel::Info);
    log().setEffectName(name);
    log().logMessage(LogLevel::Error, "into the new file");

    EXPECT_EQ(readFile(target), "untouched\n");
    EXPECT_TRUE(isSymlink(Logger::oldLogPath(name)));
    EXPECT_TRUE(isRegularFile(Logger::logPath(name)));
    EXPECT_EQ(bodyLines(Logger::logPath(name)),
              std::vector<std::string>{"[ERROR] into the new file"});
}

TEST_F(LoggerTest, ConcurrentMessagesAndRenamesKeepEveryLineWhole) {
    constexpr int kThreads = 6;
    constexpr int kLinesPerThread = 400;
    constexpr int kRenames = 12;
    const std::string payload(150, 'x');
    std::vector<std::string> names;
    for (int n = 0; n <= kRenames; ++n) {
        names.push_back(effectName("threads_" + std::to_string(n)));
    }
    log().setDebugLevel(LogLevel::Debug);
    log().setEffectName(names[0]);

    std::atomic<int> written{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kLinesPerThread; ++i) {
                // Mix flushing lines with buffered ones and the debug-only form.
                if (i % 3 == 0) {
                    log().logMessage(LogLevel::Error, "thread %d line %d %s", t, i,
                                     payload.c_str());
                } else if (i % 3 == 1) {
                    log().logMessage(LogLevel::Info, "thread %d line %d %s", t, i, payload.c_str());
                } else {
                    log().logMessage("thread %d line %d %s", t, i, payload.c_str());
                }
                ++written;
            }
        });
    }
    // Switch files while the threads write, spread over their progress.
    for (int n = 1; n <= kRenames; ++n) {
        while (written.load() < n * kThreads * kLinesPerThread / (kRenames + 1)) {
            std::this_thread::yield();
        }
        log().setEffectName(names[n]);
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    log().flush();

    // Every message lands whole in exactly one of the files.
    std::set<std::pair<int, int>> seen;
    std::size_t messages = 0;
    for (int n = 0; n <= kRenames; ++n) {
        std::vector<std::string> lines = bodyLines(Logger::logPath(names[n]));
        if (n < kRenames) {
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(lines.back(), "[INFO] === Switching to new effect: " + names[n + 1] + " ===");
            lines.pop_back();
        }
        for (const std::string& text : lines) {
            const std::size_t start = text.find("thread ");
            int t = -1;
            int i = -1;
            ASSERT_TRUE(start != std::string::npos &&
                        std::sscanf(text.c_str() + start, "thread %d line %d", &t, &i) == 2)
                << text;
            EXPECT_EQ(text, threadLine(t, i, payload));
            seen.emplace(t, i);
            ++messages;
        }
    }
    EXPECT_EQ(messages, static_cast<std::size_t>(kThreads * kLinesPerThread));
    EXPECT_EQ(seen.size(), messages);
}

// Runs in a freshly started copy of this test program, where nothing has used
// the logger yet; reports through its exit status.
void logBeforeAnyNameThenExit() {
    const std::string name = "ofxfw_test_logger_early_" + std::to_string(::getpid());
    const std::string path = Logger::logPath(name);
    Logger& log = *Logger::getInstance();
    if (log.effectName() != "UnknownEffect") {
        std::exit(2);
    }
    log.setDebugLevel(LogLevel::Debug);
    log.logMessage(LogLevel::Error, "dropped error");
    log.logMessage(LogLevel::Info, "dropped info");
    log.logMessage("dropped debug");
    log.flush();
    log.setEffectName(name);
    log.flush();
    const std::vector<std::string> lines = readLines(path);
    std::remove(path.c_str());
    std::remove(Logger::oldLogPath(name).c_str());
    std::exit(lines.size() == kHeaderLines ? 0 : 1);
}

TEST_F(LoggerTest, DropsMessagesLoggedBeforeAnyEffectName) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(logBeforeAnyNameThenExit(), ::testing::ExitedWithCode(0), "");
}

TEST_F(LoggerTest, WritesTheDestroyedLineAtExitOnlyFromInfoUp) {
    struct Case {
        LogLevel level;
        const char* label;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {LogLevel::Error, "error", {"[ERROR] last words"}},
        {LogLevel::Info, "info", {"[ERROR] last words", "[INFO] === Logger Destroyed ==="}},
        {LogLevel::Debug, "debug", {"[ERROR] last words", "[INFO] === Logger Destroyed ==="}},
    };
    // The child is a fork of this process and inherits the effect name below.
    GTEST_FLAG_SET(death_test_style, "fast");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string name = effectName(std::string("destroyed_") + c.label);
        // Nothing buffered may be written twice, by this process and its child.
        log().flush();
        EXPECT_EXIT(
            {
                log().setDebugLevel(c.level);
                log().setEffectName(name);
                log().logMessage(LogLevel::Error, "last words");
                std::exit(0);
            },
            ::testing::ExitedWithCode(0), "");
        EXPECT_EQ(bodyLines(Logger::logPath(name)), c.expected);
    }
}

}  // namespace
