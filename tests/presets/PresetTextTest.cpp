#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "presets/PresetManager.h"

namespace {

struct SplitCase {
    std::string text;
    std::vector<std::string> pieces;
};

TEST(PresetManagerText, SplitKeepsInnerAndLeadingEmptyPiecesButNotOneTrailing) {
    const std::vector<SplitCase> cases = {
        {"", {}},
        {"1", {"1"}},
        {"1,2,3", {"1", "2", "3"}},
        {"1,2,", {"1", "2"}},
        {"1,2,,", {"1", "2", ""}},
        {",1", {"", "1"}},
        {"1,,2", {"1", "", "2"}},
        {",", {""}},
        {",,", {"", ""}},
        {" a , b ", {" a ", " b "}},
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(PresetManager::splitString(c.text, ','), c.pieces) << "text: '" << c.text << "'";
    }
    EXPECT_EQ(PresetManager::splitString("a;b,c", ';'), (std::vector<std::string>{"a", "b,c"}));
}

TEST(PresetManagerText, EndsWithIsAPlainCaseSensitiveSuffixTest) {
    struct Case {
        std::string text;
        std::string suffix;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"glow.xml", ".xml", true},
        {".xml", ".xml", true},
        {"xml", ".xml", false},
        {"glow.XML", ".xml", false},
        {"glow.xml.bak", ".xml", false},
        {"anything", "", true},
        {"", "", true},
        {"", "x", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PresetManager::endsWith(c.text, c.suffix), c.expected)
            << "'" << c.text << "' ends with '" << c.suffix << "'";
    }
}

TEST(PresetManagerText, TypeStringMapsDefinitionTypesToWrittenTypes) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"double", "float"},    {"float", "float"},   {"color", "vec3"},
        {"color_rgba", "vec4"}, {"int", "int"},       {"choice", "choice"},
        {"bool", "bool"},       {"vec2", "vec2"},     {"vec3", "vec3"},
        {"vec4", "vec4"},       {"string", "string"}, {"filepath", "filepath"},
        {"curve", "curve"},     {"Double", "Double"}, {"", ""},
    };
    for (const auto& [definitionType, written] : cases) {
        EXPECT_EQ(PresetManager::getTypeString(definitionType), written) << definitionType;
    }
}

TEST(PresetManagerText, PresetNameValidityRefusesPathsAndSpecialNames) {
    struct Case {
        std::string name;
        bool valid;
    };
    const std::vector<Case> cases = {
        {"glow", true},
        {"My Preset 2", true},
        {"a..b", true},
        {".hidden", true},
        {"gl\xc3\xbc"
         "ck",
         true},
        {"", false},
        {".", false},
        {"..", false},
        {"a/b", false},
        {"../escape", false},
        {"/abs", false},
        {"a\\b", false},
        {std::string("a\0b", 3), false},
        {std::string("\0", 1), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PresetManager::isValidPresetName(c.name), c.valid)
            << "name of " << c.name.size() << " bytes: '" << c.name << "'";
    }
}

TEST(PresetManagerText, TimestampIsLocalTimeWithoutZone) {
    const std::string stamp = PresetManager::getCurrentTimestamp();
    EXPECT_TRUE(std::regex_match(stamp, std::regex(R"(\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2})")))
        << stamp;
}

// Sets or unsets HOME for one test and puts the old value back.
class HomeGuard {
  public:
    explicit HomeGuard(const char* value) {
        if (const char* old = ::getenv("HOME")) {
            _old = old;
        }
        if (value != nullptr) {
            ::setenv("HOME", value, 1);
        } else {
            ::unsetenv("HOME");
        }
    }
    HomeGuard(const HomeGuard&) = delete;
    HomeGuard& operator=(const HomeGuard&) = delete;
    ~HomeGuard() {
        if (_old) {
            ::setenv("HOME", _old->c_str(), 1);
        } else {
            ::unsetenv("HOME");
        }
    }

  private:
    std::optional<std::string> _old;
};

TEST(PresetManagerText, UserDirectoryFollowsHomeAndKeepsTheEffectNameVerbatim) {
    struct Case {
        const char* home;
        std::string effect;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"/home/ana", "Overlay Test", "/home/ana/.config/corvane/presets/Overlay Test"},
        {"/home/ana", "glow", "/home/ana/.config/corvane/presets/glow"},
        {nullptr, "Overlay Test", "/tmp/.config/corvane/presets/Overlay Test"},
        // An empty HOME would otherwise put presets at the file-system root.
        {"", "Overlay Test", "/tmp/.config/corvane/presets/Overlay Test"},
    };
    for (const Case& c : cases) {
        HomeGuard home(c.home);
        EXPECT_EQ(PresetManager::getUserPresetDirectory(c.effect), c.expected)
            << "HOME " << (c.home ? c.home : "(unset)");
    }
}

TEST(PresetManagerText, FactoryDirectoryLivesInTheBundleResources) {
    EXPECT_EQ(PresetManager::getFactoryPresetDirectory("overlay_test"),
              "/usr/OFX/Plugins/overlay_test.ofx.bundle/Contents/Resources/presets");
}

}  // namespace
