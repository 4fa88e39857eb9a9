// The preset controls of the effect instance: the two lists, save, load,
// "Load Defaults", delete and the documentation button, with the user preset
// folder under a temporary HOME.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "EffectInstanceHarness.h"
#include "EffectTestSupport.h"
#include "effect/GenericEffect.h"
#include "presets/FileText.h"
#include "presets/PresetManager.h"
#include "presets/TempDir.h"

namespace {

using Strings = std::vector<std::string>;

constexpr char kDefinitionPath[] =
    "/usr/OFX/Plugins/effect_probe.ofx.bundle/Contents/effects/effect_probe.xml";
constexpr char kEffectName[] = "ofxfw effect probe";
constexpr char kLoadDefaults[] = ">> Load Defaults <<";

class GenericEffectPresetsTest : public testing::Test {
  protected:
    std::string log() const { return logText(kEffectName); }
    std::string presetDirectory() const {
        return home.path() + "/.config/corvane/presets/" + kEffectName;
    }
    std::string presetFile(const std::string& name) const {
        return presetDirectory() + "/" + name + ".xml";
    }
    // What the host does for a user's change: the new value, then the action.
    void select(const std::string& list, int index) {
        host.setNumbers(list, {static_cast<double>(index)});
        effect.changedParam(OFX::InstanceChangedArgs{}, list);
    }
    void press(const std::string& button) {
        effect.changedParam(OFX::InstanceChangedArgs{}, button);
    }
    void saveAs(const std::string& name) {
        host.setText("preset_name", name);
        press("save_preset");
    }
    // The first identity request fills the lists.
    void askIdentity() {
        OFX::Clip* clip = nullptr;
        double time = 0.0;
        effect.isIdentity(OFX::IsIdentityArguments{}, clip, time);
    }
    // Every file and folder under HOME, relative to it.
    Strings homeEntries() const {
        Strings entries;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(home.path())) {
            entries.push_back(entry.path().string().substr(home.path().size()));
        }
        return entries;
    }

    TempDir home;
    ScopedHome scopedHome{home.path()};
    EffectInstanceHarness host;
    GenericEffect effect{host.handle(), kDefinitionPath};
};

TEST_F(GenericEffectPresetsTest, FirstIdentityRequestFillsBothLists) {
    EXPECT_EQ(host.options("preset_list"), Strings{"(no presets found)"});
    askIdentity();
    EXPECT_EQ(host.options("preset_list"), (Strings{"(no presets found)", kLoadDefaults}));
    EXPECT_EQ(host.numbers("preset_list"), std::vector<double>{0});
    // No factory presets for a binary outside a bundle: the list is hidden and
    // keeps its placeholder.
    EXPECT_TRUE(host.secret("factory_preset_list"));
    EXPECT_EQ(host.options("factory_preset_list"), Strings{"(no factory presets)"});
    const std::string text = log();
    EXPECT_NE(text.find("[INFO] Found 0 presets in " + presetDirectory()), std::string::npos);
    EXPECT_NE(text.find("[INFO] Found 0 factory presets in "
                        "/usr/OFX/Plugins/effect_probe.ofx.bundle/Contents/Resources/presets"),
              std::string::npos);
    EXPECT_NE(text.find("[INFO] No factory presets found - hiding dropdown"), std::string::npos);
}

TEST_F(GenericEffectPresetsTest, ListHeaderCountsThePresetFilesInNameOrder) {
    std::filesystem::create_directories(presetDirectory() + "/old.xml.d");
    ASSERT_TRUE(writeFileText(presetFile("only"), "<preset/>"));
    ASSERT_TRUE(writeFileText(presetDirectory() + "/notes.txt", "not a preset"));
    effect.fetchParametersLazily();
    effect.refreshPresetList();
    EXPECT_EQ(host.options("preset_list"),
              (Strings{"Select from 1 preset", kLoadDefaults, "only"}));

    ASSERT_TRUE(writeFileText(presetFile("beta"), "<preset/>"));
    ASSERT_TRUE(writeFileText(presetFile("Alpha"), "<preset/>"));
    effect.refreshPresetList();
    EXPECT_EQ(host.options("preset_list"),
              (Strings{"Select from 3 presets", kLoadDefaults, "Alpha", "beta", "only"}));
}

TEST_F(GenericEffectPresetsTest, SaveWritesOneFileUnderTheTypedNameAndSelectsIt) {
    askIdentity();
    host.setNumbers("amount", {0.75});
    saveAs("glow.xml");
    EXPECT_TRUE(PresetManager::fileExists(presetFile("glow")));
    EXPECT_FALSE(PresetManager::fileExists(presetFile("glow.xml")));
    EXPECT_EQ(host.options("preset_list"),
              (Strings{"Select from 1 preset", kLoadDefaults, "glow"}));
    EXPECT_EQ(host.numbers("preset_list"), std::vector<double>{2});
    EXPECT_EQ(host.numbers("factory_preset_list"), std::vector<double>{0});

    const std::string saved = readFileText(presetFile("glow"));
    EXPECT_NE(saved.find("<effect>ofxfw effect probe</effect>"), std::string::npos);
    EXPECT_NE(saved.find("<version>2.5</version>"), std::string::npos);
    EXPECT_NE(saved.find("<param name=\"amount\" type=\"float\" value=\"0.75\" />"),
              std::string::npos);
    EXPECT_EQ(saved.find("refresh_presets"), std::string::npos);
    EXPECT_NE(log().find("[INFO] Selected saved preset 'glow' at index 2"), std::string::npos);
}

TEST_F(GenericEffectPresetsTest, SaveWithoutANameWritesNothing) {
    saveAs("");
    EXPECT_TRUE(homeEntries().empty());
    EXPECT_NE(log().find("[ERROR] No preset name specified - enter a name in 'Preset Name' field"),
              std::string::npos);
}

class HostilePresetNameTest : public GenericEffectPresetsTest,
                              public testing::WithParamInterface<const char*> {};

TEST_P(HostilePresetNameTest, IsRefusedAndNothingIsWrittenAnywhere) {
    askIdentity();
    saveAs(GetParam());
    EXPECT_FALSE(effect.handlePresetSave());
    EXPECT_TRUE(homeEntries().empty());
    EXPECT_NE(log().find(std::string("[ERROR] Invalid preset name '")), std::string::npos);

    // A typed name is not read from outside the folder either.
    EXPECT_FALSE(effect.handlePresetLoad());
}

INSTANTIATE_TEST_SUITE_P(Names, HostilePresetNameTest,
                         testing::Values("../x", "a/b", "a\\b", ".", "..", "../x.xml", "..xml",
                                         "/etc/passwd"));

TEST_F(GenericEffectPresetsTest, SavedValuesComeBackWhenThePresetIsSelected) {
    askIdentity();
    host.setNumbers("amount", {0.75});
    host.setNumbers("tint", {0.1, 0.2, 0.3});
    host.setNumbers("mode", {2});
    host.setText("title", "kept");
    saveAs("look");

    host.setNumbers("amount", {-1});
    host.setNumbers("tint", {0, 0, 0});
    host.setNumbers("mode", {0});
    host.setText("title", "");
    select("preset_list", 0);  // the header does nothing
    EXPECT_EQ(host.numbers("amount"), std::vector<double>{-1});

    select("preset_list", 2);
    EXPECT_EQ(host.numbers("amount"), std::vector<double>{0.75});
    const std::vector<double> tint = host.numbers("tint");
    ASSERT_EQ(tint.size(), 3u);
    EXPECT_FLOAT_EQ(static_cast<float>(tint[0]), 0.1f);
    EXPECT_FLOAT_EQ(static_cast<float>(tint[2]), 0.3f);
    EXPECT_EQ(host.numbers("mode"), std::vector<double>{2});
    EXPECT_EQ(host.text("title"), "kept");
    EXPECT_NE(log().find("[INFO] Loading preset from dropdown: look (index 2)"), std::string::npos);
}

TEST_F(GenericEffectPresetsTest, LoadDefaultsResetsEveryParameter) {
    askIdentity();
    host.setNumbers("amount", {9});
    host.setNumbers("glow", {0.5, 0.5, 0.5, 0.5});
    host.setText("texture", "/elsewhere");
    host.setNumbers("factory_preset_list", {1});
    select("preset_list", 1);

    const std::vector<std::pair<const char*, std::vector<double>>> expected = {
        {"amount", {0.25}},      {"level", {0}},        {"count", {3}},
        {"flag", {1}},           {"mode", {1}},         {"tint", {1, 0.5, 0.25}},
        {"glow", {0, 0, 0, 1}},  // no components given: alpha counts as 1
        {"center", {0.1, -0.2}}, {"offset", {1, 2, 3}}, {"factory_preset_list", {0}},
    };
    for (const auto& [name, values] : expected) {
        const std::vector<double> got = host.numbers(name);
        ASSERT_EQ(got.size(), values.size()) << name;
        for (std::size_t i = 0; i < values.size(); ++i) {
            EXPECT_FLOAT_EQ(static_cast<float>(got[i]), static_cast<float>(values[i])) << name;
        }
    }
    EXPECT_EQ(host.text("title"), "hello");
    EXPECT_EQ(host.text("texture"), "/tmp/t.exr");
    EXPECT_EQ(host.numbers("preset_list"), std::vector<double>{1});
    EXPECT_NE(log().find("[INFO] Default values loaded: 12 parameters reset"), std::string::npos);
}

TEST_F(GenericEffectPresetsTest, CollectsEverySavableValueOfTheDefinition) {
    host.setText("texture", "/x.exr");
    const std::map<std::string, ParameterValue> values = effect.collectAllParameterValues();
    Strings names;
    for (const auto& entry : values) {
        names.push_back(entry.first);
    }
    EXPECT_EQ(names, (Strings{"amount", "center", "count", "flag", "glow", "level", "mode",
                              "offset", "texture", "tint", "title"}));
    EXPECT_EQ(values.at("texture").getType(), "string");
    EXPECT_EQ(values.at("texture").asString(), "/x.exr");
}

TEST_F(GenericEffectPresetsTest, ForeignPresetAppliesTheNamesItShares) {
    ASSERT_TRUE(PresetManager::createDirectoryRecursive(presetDirectory()));
    ASSERT_TRUE(writeFileText(presetFile("foreign"), R"(<?xml version="1.0"?>
<preset>
  <meta><effect>Other Effect</effect><version>9</version></meta>
  <parameters>
    <param name="amount" type="float" value="0.5"/>
    <param name="zzz" type="float" value="1"/>
    <param name="offset" type="vec3" value="1,2"/>
    <param name="level" type="float" value="abc"/>
  </parameters>
</preset>
)"));
    host.setNumbers("level", {0.3});
    host.setText("preset_name", "foreign");
    EXPECT_TRUE(effect.handlePresetLoad());
    EXPECT_EQ(host.numbers("amount"), std::vector<double>{0.5});
    EXPECT_EQ(host.numbers("level"), std::vector<double>{0.3});
    const std::string text = log();
    EXPECT_NE(text.find("[INFO] Preset was created for 'Other Effect' but loading into "
                        "'ofxfw effect probe' - some parameters may not apply"),
              std::string::npos);
    EXPECT_NE(text.find("[INFO] Preset parameter 'zzz' not found in effect - skipping"),
              std::string::npos);
    EXPECT_NE(text.find("[INFO] Failed to parse preset param 'level': "), std::string::npos);
}

// A hand-edited or foreign file may give any type: values are converted by the
// effect's own definition, and the preset section's controls are never set
// from a file (selecting ">> Load Defaults <<" would wipe what was loaded).
TEST_F(GenericEffectPresetsTest, FileTypesAreConvertedByTheDefinitionAndNeverSetThePresetControls) {
    ASSERT_TRUE(PresetManager::createDirectoryRecursive(presetDirectory()));
    ASSERT_TRUE(writeFileText(presetFile("mixed"), R"(<preset><parameters>
    <param name="amount" type="float" value="0.5"/>
    <param name="count" type="float" value="2.9"/>
    <param name="level" type="int" value="1"/>
    <param name="flag" type="string" value="no"/>
    <param name="title" type="float" value="0.5"/>
    <param name="tint" type="bool" value="1"/>
    <param name="center" type="vec4" value="1,2,3,4"/>
    <param name="offset" type="color" value="1e300,-1e300,nan"/>
    <param name="preset_list" type="int" value="1"/>
    <param name="preset_name" type="string" value="other"/>
  </parameters></preset>)"));
    askIdentity();
    host.setNumbers("flag", {0});
    host.setText("preset_name", "mixed");
    ASSERT_TRUE(effect.handlePresetLoad());

    const std::vector<std::pair<const char*, std::vector<double>>> expected = {
        {"amount", {0.5}},   {"count", {2}},     {"level", {1}},       {"flag", {1}},
        {"tint", {0, 0, 0}}, {"center", {1, 2}}, {"preset_list", {0}},
    };
    for (const auto& [name, values] : expected) {
        EXPECT_EQ(host.numbers(name), values) << name;
    }
    // Beyond single precision: infinite, as the narrowing on the way gives.
    const std::vector<double> offset = host.numbers("offset");
    ASSERT_EQ(offset.size(), 3u);
    EXPECT_TRUE(std::isinf(offset[0]) && offset[0] > 0);
    EXPECT_TRUE(std::isinf(offset[1]) && offset[1] < 0);
    EXPECT_TRUE(std::isnan(offset[2]));
    EXPECT_EQ(host.text("title"), "0.500000");
    EXPECT_EQ(host.text("preset_name"), "mixed");
    const std::string text = log();
    EXPECT_NE(text.find("[ERROR] Failed to apply preset parameter 'preset_list': "),
              std::string::npos);
    EXPECT_NE(text.find("[ERROR] Failed to apply preset parameter 'preset_name': "),
              std::string::npos);
    EXPECT_NE(
        text.find("[INFO] Preset loaded: " + presetFile("mixed") + " (10 parameters applied)"),
        std::string::npos);
}

TEST_F(GenericEffectPresetsTest, MalformedPresetLoadsNothing) {
    ASSERT_TRUE(PresetManager::createDirectoryRecursive(presetDirectory()));
    ASSERT_TRUE(writeFileText(presetFile("broken"), "<preset><parameters><param name="));
    ASSERT_TRUE(
        writeFileText(presetFile("foreign_root"), "<effect><param name=\"amount\"/></effect>"));
    host.setNumbers("amount", {0.3});
    for (const char* name : {"broken", "foreign_root", "absent"}) {
        host.setText("preset_name", name);
        EXPECT_FALSE(effect.handlePresetLoad()) << name;
        EXPECT_NE(
            log().find("[ERROR] Failed to load preset or preset is empty: " + presetFile(name)),
            std::string::npos)
            << name;
    }
    EXPECT_EQ(host.numbers("amount"), std::vector<double>{0.3});
}

TEST_F(GenericEffectPresetsTest, StaleListIndexFallsBackToTheTypedName) {
    askIdentity();
    saveAs("first");
    host.setNumbers("amount", {0.6});
    saveAs("typed");
    host.setNumbers("amount", {0.0});
    host.setNumbers("preset_list", {7});
    host.setText("preset_name", "typed");
    EXPECT_TRUE(effect.handlePresetLoad());
    EXPECT_EQ(host.numbers("amount"), std::vector<double>{0.6});
}

TEST_F(GenericEffectPresetsTest, DeleteRemovesTheSelectedPresetAndRefreshesTheList) {
    askIdentity();
    saveAs("one");
    saveAs("two");
    host.setNumbers("preset_list", {2});
    press("delete_preset");
    EXPECT_FALSE(PresetManager::fileExists(presetFile("one")));
    EXPECT_TRUE(PresetManager::fileExists(presetFile("two")));
    EXPECT_EQ(host.options("preset_list"), (Strings{"Select from 1 preset", kLoadDefaults, "two"}));
    EXPECT_NE(log().find("[INFO] Deleted preset: one"), std::string::npos);
}

TEST_F(GenericEffectPresetsTest, DeleteNeedsAUserPresetAndNoFactoryPreset) {
    askIdentity();
    saveAs("kept");
    host.setNumbers("preset_list", {2});
    host.setNumbers("factory_preset_list", {1});
    EXPECT_FALSE(effect.handlePresetDelete());
    EXPECT_NE(log().find("[INFO] Cannot delete factory presets - select a user preset to delete"),
              std::string::npos);

    host.setNumbers("factory_preset_list", {0});
    for (const int index : {0, 1, 3}) {
        host.setNumbers("preset_list", {static_cast<double>(index)});
        EXPECT_FALSE(effect.handlePresetDelete()) << index;
    }
    EXPECT_NE(log().find("[ERROR] No user preset selected - choose a preset from 'My Presets' "
                         "dropdown first"),
              std::string::npos);
    EXPECT_TRUE(PresetManager::fileExists(presetFile("kept")));
}

TEST_F(GenericEffectPresetsTest, FactoryPlaceholderAndBadIndexLoadNothing) {
    askIdentity();
    host.setNumbers("amount", {0.3});
    select("factory_preset_list", 0);
    EXPECT_FALSE(effect.handleFactoryPresetLoad());
    host.setNumbers("factory_preset_list", {1});
    EXPECT_FALSE(effect.handleFactoryPresetLoad());
    EXPECT_NE(log().find("[ERROR] Invalid factory preset index: 1"), std::string::npos);
    EXPECT_EQ(host.numbers("amount"), std::vector<double>{0.3});
}

TEST_F(GenericEffectPresetsTest, PresetButtonsWorkBeforeAnyRenderOrIdentityRequest) {
    host.setNumbers("amount", {0.9});
    saveAs("early");
    EXPECT_TRUE(PresetManager::fileExists(presetFile("early")));
    // The lists are still filled at the first identity request.
    askIdentity();
    EXPECT_EQ(host.options("preset_list"),
              (Strings{"Select from 1 preset", kLoadDefaults, "early"}));
}

TEST_F(GenericEffectPresetsTest, DocumentationButtonStartsTheOpenerWithTheBundledPage) {
    TempDir work;
    const std::string script = work / "opener.sh";
    ASSERT_TRUE(writeFileText(script, "#!/bin/sh\nprintf '%s' \"$1\" > \"" + work.path() +
                                          "/seen.tmp\" && mv \"" + work.path() + "/seen.tmp\" \"" +
                                          work.path() + "/seen\"\n"));
    ASSERT_EQ(::chmod(script.c_str(), 0755), 0);
    effect.setDocumentationOpener(DocumentationOpener(script));
    press("tutorialsButton");
    ASSERT_TRUE(waitForFile(work / "seen"));
    EXPECT_EQ(readFileText(work / "seen"),
              "file:///usr/OFX/Plugins/effect_probe.ofx.bundle/Contents/Resources/doc/index.html");
    // The helper process was reaped; the opener itself is not our child.
    int status = 0;
    EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

}  // namespace
