#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "FileText.h"
#include "LogCapture.h"
#include "TempDir.h"
#include "definition/XMLEffectDefinition.h"
#include "presets/PresetManager.h"

namespace {

using Values = std::map<std::string, ParameterValue>;

std::vector<std::string> sortedEntries(const std::string& directory) {
    std::vector<std::string> names = PresetManager::listDirectory(directory);
    std::sort(names.begin(), names.end());
    return names;
}

class PresetStorageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(_definition.parseFromEmbeddedXML(
            "<effect name=\"Overlay Test\" category=\"Test\" version=\"1.0\"><parameters>"
            "<parameter name=\"radius\" type=\"float\"/>"
            "<parameter name=\"title\" type=\"string\"/>"
            "</parameters><pipeline><process><cuda file=\"k.cu\"/></process></pipeline></effect>"));
    }

    bool save(const std::string& path, double radius, const std::string& title = "t") {
        const Values values = {{"radius", ParameterValue(radius)},
                               {"title", ParameterValue(title)}};
        return PresetManager::savePreset(path, "Overlay Test", "1.0", values, _definition);
    }

    TempDir _dir;
    LogCapture _log;
    XMLEffectDefinition _definition;
};

TEST_F(PresetStorageTest, FileExistsForFilesAndDirectoriesOnly) {
    ASSERT_TRUE(writeFileText(_dir / "a.xml", "x"));
    EXPECT_TRUE(PresetManager::fileExists(_dir / "a.xml"));
    EXPECT_TRUE(PresetManager::fileExists(_dir.path()));
    EXPECT_FALSE(PresetManager::fileExists(_dir / "missing.xml"));
    EXPECT_FALSE(PresetManager::fileExists(""));
}

TEST_F(PresetStorageTest, CreateDirectoryRecursiveMakesEveryMissingLevel) {
    for (const std::string& path : {_dir / "a/b/c", _dir / "d/e/", _dir / "a/b", _dir.path()}) {
        EXPECT_TRUE(PresetManager::createDirectoryRecursive(path)) << path;
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0) << path;
        EXPECT_TRUE(S_ISDIR(info.st_mode)) << path;
    }
    ASSERT_TRUE(writeFileText(_dir / "file", "x"));
    EXPECT_FALSE(PresetManager::createDirectoryRecursive(_dir / "file/sub"));
}

TEST_F(PresetStorageTest, ListDirectoryYieldsEveryEntryButDotAndDotDot) {
    ASSERT_TRUE(writeFileText(_dir / "a.xml", "x"));
    ASSERT_TRUE(writeFileText(_dir / "notes.txt", "x"));
    ASSERT_TRUE(PresetManager::createDirectoryRecursive(_dir / "old"));
    EXPECT_EQ(sortedEntries(_dir.path()), (std::vector<std::string>{"a.xml", "notes.txt", "old"}));
    EXPECT_TRUE(PresetManager::listDirectory(_dir / "old").empty());
    EXPECT_TRUE(PresetManager::listDirectory(_dir / "missing").empty());
    EXPECT_TRUE(PresetManager::listDirectory(_dir / "a.xml").empty());
}

TEST_F(PresetStorageTest, SaveCreatesTheDirectoryAndOverwritesAnExistingPreset) {
    const std::string path = _dir / "home/.config/corvane/presets/Overlay Test/glow.xml";
    ASSERT_TRUE(save(path, 0.25));
    ASSERT_TRUE(save(path, 0.5));

    std::string effect, version;
    const Values values = PresetManager::loadPreset(path, effect, version);
    ASSERT_EQ(values.count("radius"), 1u);
    EXPECT_EQ(values.at("radius").asDouble(), 0.5);
    // Only the preset itself: no temporary file is left beside it.
    EXPECT_EQ(sortedEntries(_dir / "home/.config/corvane/presets/Overlay Test"),
              std::vector<std::string>{"glow.xml"});
    // An ordinary document, readable by others like any file the user saves.
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST_F(PresetStorageTest, SaveFailsWhenTheDirectoryCannotBeCreated) {
    ASSERT_TRUE(writeFileText(_dir / "file", "x"));
    EXPECT_FALSE(save(_dir / "file/sub/p.xml", 0.5));
    EXPECT_NE(_log.text().find("[ERROR] Failed to create preset directory: " + (_dir / "file/sub") +
                               "\n"),
              std::string::npos);
}

TEST_F(PresetStorageTest, SaveOntoADirectoryFailsAndLeavesNothingBehind) {
    const std::string target = _dir / "taken.xml";
    ASSERT_TRUE(PresetManager::createDirectoryRecursive(target));
    EXPECT_FALSE(save(target, 0.5));
    EXPECT_FALSE(save(_dir / "trailing/", 0.5));

    EXPECT_EQ(sortedEntries(_dir.path()), (std::vector<std::string>{"taken.xml", "trailing"}));
    EXPECT_TRUE(PresetManager::listDirectory(target).empty());
    EXPECT_TRUE(PresetManager::listDirectory(_dir / "trailing").empty());
    EXPECT_NE(_log.text().find("[ERROR] Failed to save preset: " + target + "\n"),
              std::string::npos);
}

// Lowers the file size limit so that writes past it fail with EFBIG (instead
// of the signal) and restores both afterwards.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        _oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &_old);
        rlimit lowered = _old;
        lowered.rlim_cur = bytes;
        _active = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &_old);
        ::signal(SIGXFSZ, _oldHandler);
    }
    bool active() const { return _active; }

  private:
    rlimit _old{};
    sighandler_t _oldHandler = SIG_DFL;
    bool _active = false;
};

TEST_F(PresetStorageTest, FailedWriteKeepsThePreviousPresetIntact) {
    const std::string path = _dir / "keep.xml";
    ASSERT_TRUE(save(path, 0.25, "old"));
    const std::string before = readFileText(path);

    // The new preset is far larger than the limit, the old one and the log.
    constexpr rlim_t LIMIT = 256 * 1024;
    const std::string bigTitle(4 * LIMIT, 'x');
    {
        FileSizeLimit limit(LIMIT);
        ASSERT_TRUE(limit.active());
        EXPECT_FALSE(save(path, 0.5, bigTitle));
    }
    EXPECT_EQ(readFileText(path), before);
    EXPECT_EQ(sortedEntries(_dir.path()), std::vector<std::string>{"keep.xml"});
    EXPECT_NE(_log.text().find("[ERROR] Failed to save preset: " + path + "\n"), std::string::npos);
}

TEST_F(PresetStorageTest, ReadOnlyDirectoryKeepsThePreviousPreset) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the super-user";
    }
    const std::string directory = _dir / "locked";
    const std::string path = directory + "/keep.xml";
    ASSERT_TRUE(PresetManager::createDirectoryRecursive(directory));
    ASSERT_TRUE(save(path, 0.25));
    const std::string before = readFileText(path);
    ASSERT_EQ(::chmod(directory.c_str(), 0555), 0);

    EXPECT_FALSE(save(path, 0.5));
    EXPECT_EQ(readFileText(path), before);
    EXPECT_EQ(sortedEntries(directory), std::vector<std::string>{"keep.xml"});
}

TEST_F(PresetStorageTest, PathsWithANulCharacterAreRefusedBeforeTouchingTheDisk) {
    // Cut at the NUL, the path would name "<dir>/sub" and "<dir>/a".
    const std::vector<std::string> paths = {
        _dir / std::string("sub\0/p.xml", 10),
        _dir / std::string("a\0.xml", 6),
    };
    for (const std::string& path : paths) {
        EXPECT_FALSE(save(path, 0.5));
    }
    EXPECT_TRUE(PresetManager::listDirectory(_dir.path()).empty());
}

}  // namespace
