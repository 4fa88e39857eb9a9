// The preset controls of the Overlay Test effect, driven through
// `ofxhost params` as a user drives them: each run is one host session with
// one instance, and presets persist between runs in the user preset folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "E2ePaths.h"
#include "ToolRun.h"
#include "presets/FileText.h"

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

constexpr char kInstanceLog[] = "/tmp/Overlay Test_plugin_log.txt";

bool writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    return writeFileText(path, text);
}

class OverlayTestPresetsTest : public testing::Test {
  protected:
    OverlayTestPresetsTest() {
        char pattern[] = "/tmp/ofxfw_presets_e2e_XXXXXX";
        home = ::mkdtemp(pattern);
    }
    ~OverlayTestPresetsTest() override {
        std::error_code ignored;
        fs::remove_all(home, ignored);
    }

    // `ofxhost params BUNDLE ARGS...`; fails the test unless it succeeds.
    nlohmann::json params(const Strings& arguments,
                          const std::string& bundle = kOverlayTestBundle) {
        Strings all = {"params", bundle};
        all.insert(all.end(), arguments.begin(), arguments.end());
        const ToolRun run = runTool(all, home);
        EXPECT_EQ(run.status, 0) << run.errors;
        // Among others: an edit block left open, or a nested change that failed.
        EXPECT_EQ(run.errors.find("warning:"), std::string::npos) << run.errors;
        EXPECT_FALSE(run.output.is_null()) << run.errors;
        return run.output.is_null() ? nlohmann::json() : run.output["params"];
    }

    fs::path presetDirectory() const { return home / ".config/corvane/presets/Overlay Test"; }

    // Every entry under HOME.
    Strings homeEntries() const {
        Strings entries;
        for (const auto& entry : fs::recursive_directory_iterator(home)) {
            entries.push_back(entry.path().string());
        }
        return entries;
    }

    fs::path home;
};

TEST_F(OverlayTestPresetsTest, EmptyHomeShowsOnlyTheFixedEntries) {
    const nlohmann::json values = params({});
    EXPECT_EQ(values["preset_list"]["options"],
              (Strings{"(no presets found)", ">> Load Defaults <<"}));
    EXPECT_EQ(values["preset_list"]["value"], 0);
    EXPECT_EQ(values["factory_preset_list"]["secret"], true);
    EXPECT_TRUE(homeEntries().empty());
}

TEST_F(OverlayTestPresetsTest, SaveWritesTheTypedNameOnceInThePresetFormat) {
    const nlohmann::json values =
        params({"--set", "preset_name=glow.xml", "--press", "save_preset"});
    EXPECT_EQ(values["preset_list"]["options"],
              (Strings{"Select from 1 preset", ">> Load Defaults <<", "glow"}));
    EXPECT_EQ(values["preset_list"]["value"], 2);
    // The host reports the plug-in's own selection back to it, which loads
    // the preset just saved.
    EXPECT_NE(
        readFileText(kInstanceLog).find("[INFO] Preset dropdown changed to index 2 - auto-loading"),
        std::string::npos);

    EXPECT_FALSE(fs::exists(presetDirectory() / "glow.xml.xml"));
    const std::string saved = readFileText(presetDirectory() / "glow.xml");
    for (const char* line : {
             "<effect>Overlay Test</effect>",
             "<version>1.0</version>",
             "<param name=\"center\" type=\"vec2\" value=\"0,0\" />",
             "<param name=\"color\" type=\"vec3\" value=\"1,0.5,0\" />",
             "<param name=\"scale\" type=\"vec2\" value=\"0.200000003,0.200000003\" />",
             "<param name=\"radius\" type=\"float\" value=\"0.15\" />",
         }) {
        EXPECT_NE(saved.find(line), std::string::npos) << line << "\n" << saved;
    }
}

TEST_F(OverlayTestPresetsTest, ASavedPresetRestoresItsValuesInALaterRun) {
    params({"--set", "radius=0.4", "--set", "color=0.25,0.5,0.75", "--set", "preset_name=mine",
            "--press", "save_preset"});
    const nlohmann::json values =
        params({"--set", "radius=2", "--set", "color=0,0,0", "--set", "preset_list=2"});
    EXPECT_DOUBLE_EQ(values["radius"]["value"].get<double>(), 0.4);
    EXPECT_EQ(values["color"]["value"], (std::vector<double>{0.25, 0.5, 0.75}));
    EXPECT_EQ(values["preset_list"]["value"], 2);
}

TEST_F(OverlayTestPresetsTest, LoadDefaultsResetsEveryParameter) {
    const nlohmann::json values =
        params({"--set", "radius=2", "--set", "center=0.5,0.25", "--set", "direction=90", "--set",
                "scale=1,1", "--set", "color=0,0,1", "--set", "preset_list=1"});
    EXPECT_DOUBLE_EQ(values["radius"]["value"].get<double>(), 0.15);
    EXPECT_DOUBLE_EQ(values["direction"]["value"].get<double>(), 45.0);
    EXPECT_DOUBLE_EQ(values["strength"]["value"].get<double>(), 0.15);
    EXPECT_EQ(values["center"]["value"], (std::vector<double>{0.0, 0.0}));
    EXPECT_EQ(values["color"]["value"], (std::vector<double>{1.0, 0.5, 0.0}));
    // Vectors pass through single precision.
    EXPECT_FLOAT_EQ(values["scale"]["value"][0].get<float>(), 0.2f);
    EXPECT_FLOAT_EQ(values["scale"]["value"][1].get<float>(), 0.2f);
    EXPECT_EQ(values["preset_list"]["value"], 1);
}

TEST_F(OverlayTestPresetsTest, DeleteRemovesTheFileAndRefreshesTheList) {
    params({"--set", "preset_name=one", "--press", "save_preset", "--set", "preset_name=two",
            "--press", "save_preset"});
    ASSERT_TRUE(fs::exists(presetDirectory() / "one.xml"));
    const nlohmann::json values = params({"--set", "preset_list=2", "--press", "delete_preset"});
    EXPECT_FALSE(fs::exists(presetDirectory() / "one.xml"));
    EXPECT_TRUE(fs::exists(presetDirectory() / "two.xml"));
    EXPECT_EQ(values["preset_list"]["options"],
              (Strings{"Select from 1 preset", ">> Load Defaults <<", "two"}));
    EXPECT_EQ(values["preset_list"]["value"], 0);
}

TEST_F(OverlayTestPresetsTest, HostileNamesWriteNothingAnywhere) {
    // The typed name, and the name the refusal reports (without ".xml").
    const std::vector<std::pair<std::string, std::string>> names = {
        {"../x", "../x"}, {"a/b", "a/b"}, {"..", ".."}, {"../../escape.xml", "../../escape"}};
    for (const auto& [typed, reported] : names) {
        params({"--set", "preset_name=" + typed, "--press", "save_preset"});
        EXPECT_TRUE(homeEntries().empty()) << typed;
        EXPECT_NE(readFileText(kInstanceLog).find("[ERROR] Invalid preset name '" + reported + "'"),
                  std::string::npos)
            << typed;
    }
    EXPECT_FALSE(fs::exists(home.parent_path() / "x.xml"));
}

TEST_F(OverlayTestPresetsTest, BrokenAndForeignPresetFilesNeverCrash) {
    ASSERT_TRUE(writeFile(presetDirectory() / "a_broken.xml", "<preset><parameters><param"));
    ASSERT_TRUE(writeFile(presetDirectory() / "b_foreign.xml", R"(<preset>
  <meta><effect>Another Effect</effect><version>3</version></meta>
  <parameters>
    <param name="radius" type="float" value="0.3"/>
    <param name="softness" type="float" value="0.9"/>
    <param name="color" type="vec3" value="0.5,0.5"/>
    <param name="opacity" type="float" value="not a number"/>
    <param type="float" value="1"/>
    <param name="direction" value="3"/>
    <param name="strength" type="vec2" value="1e300,2"/>
    <param name="center" type="float" value="1e308"/>
  </parameters>
</preset>)"));

    nlohmann::json values = params({"--set", "opacity=0.7", "--set", "preset_list=2"});
    EXPECT_DOUBLE_EQ(values["opacity"]["value"].get<double>(), 0.7);
    std::string log = readFileText(kInstanceLog);
    EXPECT_NE(log.find("[ERROR] Failed to load preset file: "), std::string::npos);
    EXPECT_NE(log.find("[ERROR] Failed to load preset or preset is empty: "), std::string::npos);

    values = params({"--set", "opacity=0.7", "--set", "preset_list=3"});
    EXPECT_DOUBLE_EQ(values["radius"]["value"].get<double>(), 0.3);
    EXPECT_DOUBLE_EQ(values["opacity"]["value"].get<double>(), 0.7);
    EXPECT_EQ(values["color"]["value"], (std::vector<double>{1.0, 0.5, 0.0}));
    // No type: nothing read. A kind the parameter does not have converts by
    // the effect's own type: a vector is no number, a number has no components.
    EXPECT_DOUBLE_EQ(values["direction"]["value"].get<double>(), 45.0);
    EXPECT_DOUBLE_EQ(values["strength"]["value"].get<double>(), 0.0);
    EXPECT_EQ(values["center"]["value"], (std::vector<double>{0.0, 0.0}));
    log = readFileText(kInstanceLog);
    EXPECT_NE(log.find("[INFO] Preset was created for 'Another Effect' but loading into "
                       "'Overlay Test' - some parameters may not apply"),
              std::string::npos);
    EXPECT_NE(log.find("[INFO] Preset parameter 'softness' not found in effect - skipping"),
              std::string::npos);
}

TEST_F(OverlayTestPresetsTest, FactoryPresetsComeFromTheBundleWhereverItIs) {
    const fs::path copy = home / "elsewhere" / "overlay_test.ofx.bundle";
    fs::create_directories(copy.parent_path());
    fs::copy(kOverlayTestBundle, copy, fs::copy_options::recursive);
    ASSERT_TRUE(writeFile(copy / "Contents/Resources/presets/warm.xml", R"(<preset>
  <meta><effect>Overlay Test</effect><version>1.0</version></meta>
  <parameters>
    <param name="radius" type="float" value="0.33"/>
    <param name="color" type="vec3" value="1,0.25,0"/>
  </parameters>
</preset>)"));

    nlohmann::json values = params({}, copy.string());
    EXPECT_EQ(values["factory_preset_list"]["options"], (Strings{"Select from 1 preset", "warm"}));
    EXPECT_EQ(values["factory_preset_list"]["secret"], false);

    values = params({"--set", "preset_list=1", "--set", "factory_preset_list=1"}, copy.string());
    EXPECT_DOUBLE_EQ(values["radius"]["value"].get<double>(), 0.33);
    EXPECT_EQ(values["color"]["value"], (std::vector<double>{1.0, 0.25, 0.0}));
    EXPECT_EQ(values["preset_list"]["value"], 0);
    EXPECT_NE(readFileText(kInstanceLog)
                  .find("[INFO] Factory preset loaded: warm (2 parameters applied)"),
              std::string::npos);
}

TEST_F(OverlayTestPresetsTest, ActionsApplyInCommandLineOrder) {
    const nlohmann::json values = params(
        {"--set", "preset_name=first", "--press", "save_preset", "--set", "preset_name=second"});
    EXPECT_TRUE(fs::exists(presetDirectory() / "first.xml"));
    EXPECT_FALSE(fs::exists(presetDirectory() / "second.xml"));
    EXPECT_EQ(values["preset_name"]["value"], "second");
}

}  // namespace
