// The document as a whole: loading, metadata, inputs, resources and lookups.
#include <gtest/gtest.h>

#include <ostream>

#include <stdexcept>

#include "CommaDecimalLocale.h"
#include "DefinitionDocuments.h"
#include "LogCapture.h"

namespace {

TEST(DocumentTest, ReadsMetadataAndDescription) {
    const auto loaded = loadDefinition(
        "<effect name=\"Glow\" category=\"Light\" version=\"2.1\" debug_level=\"debug\" "
        "supports_timeline=\"yes\" supports_matte=\"1\">"
        "<description>Soft glow</description>"
        "<pipeline/></effect>");
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    EXPECT_EQ(loaded->getName(), "Glow");
    EXPECT_EQ(loaded->getCategory(), "Light");
    EXPECT_EQ(loaded->getVersion(), "2.1");
    EXPECT_EQ(loaded->getDebugLevel(), "debug");
    EXPECT_TRUE(loaded->supportsTimeline());
    EXPECT_TRUE(loaded->supportsMatte());
    EXPECT_EQ(loaded->getDescription(), "Soft glow");
    EXPECT_TRUE(loaded->lastError().empty());
    EXPECT_EQ(loaded->lastErrorOffset(), -1);
}

TEST(DocumentTest, MetadataDefaultsWhenAttributesAreAbsent) {
    const auto loaded = loadDefinition(effectWith(""));
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    EXPECT_EQ(loaded->getVersion(), "");
    EXPECT_EQ(loaded->getDebugLevel(), "none");
    EXPECT_FALSE(loaded->supportsTimeline());
    EXPECT_FALSE(loaded->supportsMatte());
    EXPECT_EQ(loaded->getDescription(), "");
    EXPECT_TRUE(loaded->getInputs().empty());
    EXPECT_TRUE(loaded->getBundledResources().empty());
    EXPECT_TRUE(loaded->getParameters().empty());
    EXPECT_TRUE(loaded->getUIGroups().empty());
    EXPECT_TRUE(loaded->getIdentityConditions().empty());
    EXPECT_FALSE(loaded->hasOverlays());
}

struct LoadFailureCase {
    const char* what;
    std::string text;
    std::string error;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const LoadFailureCase& c, std::ostream* os) {
    *os << c.what;
}

class LoadFailureTest : public ::testing::TestWithParam<LoadFailureCase> {};

TEST_P(LoadFailureTest, FailsWithItsMessage) {
    const auto loaded = loadDefinition(GetParam().text);
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded->lastError(), GetParam().error);
    EXPECT_EQ(loaded->lastErrorOffset(), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Document, LoadFailureTest,
    ::testing::Values(
        LoadFailureCase{"root_not_effect", "<filter name=\"a\" category=\"b\"><pipeline/></filter>",
                        "Embedded XML does not contain an effect element"},
        LoadFailureCase{"no_pipeline", "<effect name=\"a\" category=\"b\"/>",
                        "Effect must have a <pipeline> section with <process> children"},
        LoadFailureCase{"no_category", "<effect name=\"a\"><pipeline/></effect>",
                        "Effect must have a category attribute"},
        LoadFailureCase{"name_checked_first", "<effect><pipeline/></effect>",
                        "Effect must have a name attribute"},
        LoadFailureCase{"empty_name", "<effect name=\"\" category=\"b\"><pipeline/></effect>",
                        "Effect must have a name attribute"},
        LoadFailureCase{"source_without_name",
                        effectWith("<inputs><source label=\"Front\"/></inputs>"),
                        "Input source must have a name attribute"},
        LoadFailureCase{"texture_without_name",
                        effectWith("<resources><texture file=\"a.exr\"/></resources>"),
                        "Resource texture must have a name attribute"},
        LoadFailureCase{"texture_without_file",
                        effectWith("<resources><texture name=\"lut\"/></resources>"),
                        "Resource texture must have a file attribute"}),
    [](const ::testing::TestParamInfo<LoadFailureCase>& info) { return info.param.what; });

TEST(DocumentTest, NullTextFailsWithoutThrowing) {
    LogCapture log;
    XMLEffectDefinition definition;
    EXPECT_FALSE(definition.parseFromEmbeddedXML(nullptr));
    EXPECT_EQ(definition.lastError(), "Embedded XML content is null");
    EXPECT_TRUE(log.hasLine("[ERROR] Embedded XML content is null"));
}

TEST(DocumentTest, SectionErrorIsLoggedWithItsPrefix) {
    LogCapture log;
    const auto loaded = loadDefinition("<effect name=\"a\" category=\"b\"/>");
    EXPECT_FALSE(loaded.ok);
    EXPECT_TRUE(log.hasLine("[INFO] Parsing XML from embedded string"));
    EXPECT_TRUE(
        log.hasLine("[ERROR] Failed to parse embedded XML: Effect must have a "
                    "<pipeline> section with <process> children"));
}

TEST(DocumentTest, SyntaxErrorGivesPugixmlTextAndOffset) {
    LogCapture log;
    const std::string text =
        "<effect name=\"a\" category=\"b\">\n  <inputs>\n  </input>\n</effect>";
    const auto loaded = loadDefinition(text);
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded->lastError(), "Start-end tags mismatch");
    // The offset lies inside the mismatched end tag on the third line.
    const std::size_t badTag = text.find("</input>");
    EXPECT_GE(loaded->lastErrorOffset(), static_cast<std::ptrdiff_t>(badTag));
    EXPECT_LT(loaded->lastErrorOffset(), static_cast<std::ptrdiff_t>(badTag + 8));
    EXPECT_TRUE(log.hasLine("[ERROR] Failed to parse embedded XML: Start-end tags mismatch"));
}

TEST(DocumentTest, EmptyTextIsASyntaxError) {
    const auto loaded = loadDefinition("");
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded->lastError(), "No document element found");
    EXPECT_EQ(loaded->lastErrorOffset(), 0);
}

TEST(DocumentTest, SectionsBeforeTheErrorKeepTheirRecords) {
    const auto loaded = loadDefinition(
        "<effect name=\"a\" category=\"b\"><inputs><source name=\"Source\"/></inputs>"
        "<parameters><parameter name=\"gain\" type=\"float\"/></parameters>"
        "</effect>");
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded->getName(), "a");
    EXPECT_EQ(loaded->getInputs().size(), 1u);
    EXPECT_EQ(loaded->getParameters().size(), 1u);
}

TEST(DocumentTest, EachLoadStartsFromAnEmptyDefinition) {
    XMLEffectDefinition definition;
    ASSERT_TRUE(definition.parseFromEmbeddedXML(
        effectWith("<inputs><source name=\"A\"/><source name=\"B\"/></inputs>"
                   "<parameters><parameter name=\"gain\" type=\"float\"/></parameters>"
                   "<overlays coordinates=\"centered\"><vslider param=\"gain\"/></overlays>")
            .c_str()));
    EXPECT_FALSE(definition.parseFromEmbeddedXML("<broken"));
    EXPECT_FALSE(definition.lastError().empty());
    EXPECT_GE(definition.lastErrorOffset(), 0);

    ASSERT_TRUE(definition.parseFromEmbeddedXML(
        effectWith("<inputs><source name=\"C\"/></inputs>").c_str()));
    ASSERT_EQ(definition.getInputs().size(), 1u);
    EXPECT_EQ(definition.getInputs()[0].name, "C");
    EXPECT_TRUE(definition.getParameters().empty());
    EXPECT_THROW(definition.getParameter("gain"), std::out_of_range);
    EXPECT_FALSE(definition.hasOverlays());
    EXPECT_EQ(definition.getOverlayCoordSystem(), XMLEffectDefinition::OverlayCoordSystem::uv);
    EXPECT_TRUE(definition.lastError().empty());
    EXPECT_EQ(definition.lastErrorOffset(), -1);
}

struct InputCase {
    const char* what;
    std::string attributes;
    std::string label;
    bool optional;
    std::string borderMode;
    std::string noInputMode;
};

void PrintTo(const InputCase& c, std::ostream* os) {
    *os << c.what;
}

class InputTest : public ::testing::TestWithParam<InputCase> {};

TEST_P(InputTest, ResolvesLabelModeAndOptionalFlag) {
    const InputCase& expected = GetParam();
    const auto loaded = loadDefinition(
        effectWith("<inputs><source name=\"Source\" " + expected.attributes + "/></inputs>"));
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    ASSERT_EQ(loaded->getInputs().size(), 1u);
    const XMLEffectDefinition::InputDef& input = loaded->getInputs()[0];
    EXPECT_EQ(input.name, "Source");
    EXPECT_EQ(input.label, expected.label);
    EXPECT_EQ(input.optional, expected.optional);
    EXPECT_EQ(input.borderMode, expected.borderMode);
    EXPECT_EQ(input.noInputMode, expected.noInputMode);
}

INSTANTIATE_TEST_SUITE_P(
    Document, InputTest,
    ::testing::Values(
        InputCase{"name_only", "", "Source", false, "clamp", "error"},
        InputCase{"optional_without_noinput", "optional=\"true\"", "Source", true, "clamp",
                  "white"},
        InputCase{"optional_reads_pugixml_booleans", "optional=\"Yes\"", "Source", true, "clamp",
                  "white"},
        InputCase{"not_optional_without_noinput", "optional=\"false\"", "Source", false, "clamp",
                  "error"},
        InputCase{"noinput_implies_optional", "noinput=\"black\"", "Source", true, "clamp",
                  "black"},
        InputCase{"unknown_noinput_implies_optional", "noinput=\"grey\"", "Source", true, "clamp",
                  "grey"},
        InputCase{"explicit_flag_and_mode_kept", "noinput=\"error\" optional=\"true\"", "Source",
                  true, "clamp", "error"},
        InputCase{"explicit_false_with_mode", "noinput=\"transparent\" optional=\"0\"", "Source",
                  false, "clamp", "transparent"},
        InputCase{"label_and_border_mode", "label=\"Front\" border_mode=\"whatever\"", "Front",
                  false, "whatever", "error"},
        InputCase{"empty_label_means_name", "label=\"\"", "Source", false, "clamp", "error"}),
    [](const ::testing::TestParamInfo<InputCase>& info) { return info.param.what; });

TEST(DocumentTest, InputsKeepDocumentOrderAndLogTheirResolution) {
    LogCapture log;
    const auto loaded = loadDefinition(
        effectWith("<inputs><source name=\"Source\"/><source name=\"Matte\" optional=\"1\"/>"
                   "<source name=\"Back\" noinput=\"black\"/></inputs>"));
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    ASSERT_EQ(loaded->getInputs().size(), 3u);
    EXPECT_EQ(loaded->getInputs()[0].name, "Source");
    EXPECT_EQ(loaded->getInputs()[1].name, "Matte");
    EXPECT_EQ(loaded->getInputs()[2].name, "Back");

    const char* lines[] = {
        "[INFO] Parsing noinput for input: Source",
        "[INFO] No noinput attribute and not optional, using 'error'",
        "[INFO] Input 'Source': optional inferred as 0 from noinput='error'",
        "[INFO] Input parsed - name: Source, noInputMode: error",
        "[INFO] No noinput attribute, but optional=true, using 'white'",
        "[INFO] Input 'Matte': optional explicitly set to 1",
        "[INFO] Found noinput attribute: 'black'",
        "[INFO] Input 'Back': optional inferred as 1 from noinput='black'",
    };
    std::size_t previous = 0;
    for (const char* line : lines) {
        const std::size_t at = log.find(line);
        ASSERT_NE(at, std::string::npos) << line;
        EXPECT_GE(at, previous) << line;
        previous = at;
    }
}

TEST(DocumentTest, ResourcesRepairInvalidSettings) {
    LogCapture log;
    const auto loaded = loadDefinition(
        effectWith("<resources>"
                   "<texture name=\"bad\" file=\"bad.exr\" channels=\"0\" sampler=\"cubic\" "
                   "wrap=\"border\"/>"
                   "<texture name=\"good\" file=\"good.exr\" channels=\"1\" sampler=\"nearest\" "
                   "wrap=\"clamp\"/>"
                   "<texture name=\"plain\" file=\"plain.exr\" channels=\"five\"/>"
                   "</resources>"));
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    const auto& resources = loaded->getBundledResources();
    ASSERT_EQ(resources.size(), 3u);

    EXPECT_EQ(resources[0].name, "bad");
    EXPECT_EQ(resources[0].file, "bad.exr");
    EXPECT_EQ(resources[0].channels, 4);
    EXPECT_EQ(resources[0].sampler, "linear");
    EXPECT_EQ(resources[0].wrap, "mirror");

    EXPECT_EQ(resources[1].channels, 1);
    EXPECT_EQ(resources[1].sampler, "nearest");
    EXPECT_EQ(resources[1].wrap, "clamp");

    // A number that does not read gives 0 channels, which is repaired too.
    EXPECT_EQ(resources[2].channels, 4);
    EXPECT_EQ(resources[2].sampler, "linear");
    EXPECT_EQ(resources[2].wrap, "mirror");

    EXPECT_LT(log.find("[INFO] Resource 'bad': invalid sampler 'cubic', using 'linear'"),
              log.find("[INFO] Resource 'bad': invalid wrap 'border', using 'mirror'"));
    EXPECT_LT(log.find("[INFO] Resource 'bad': invalid wrap 'border', using 'mirror'"),
              log.find("[INFO] Resource 'bad': invalid channels 0, using 4"));
    EXPECT_NE(log.find("[INFO] Resource 'bad': invalid channels 0, using 4"), std::string::npos);
    EXPECT_TRUE(
        log.hasLine("[INFO] Resource parsed - name: good, file: good.exr, channels: 1, "
                    "sampler: nearest, wrap: clamp"));
    EXPECT_FALSE(log.hasLine("[INFO] Resource 'good': invalid sampler 'nearest', using 'linear'"));
    EXPECT_TRUE(log.hasLine("[INFO] Parsed 3 bundled resources"));
}

TEST(DocumentTest, GetParameterFindsTheLaterOfTwoNamesakes) {
    const auto loaded = loadDefinition(
        effectWith("<parameters><parameter name=\"gain\" type=\"float\" label=\"First\"/>"
                   "<parameter name=\"bias\" type=\"float\"/>"
                   "<parameter name=\"gain\" type=\"int\" label=\"Second\"/></parameters>"));
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    EXPECT_EQ(loaded->getParameters().size(), 3u);
    EXPECT_EQ(loaded->getParameter("gain").label, "Second");
    EXPECT_EQ(loaded->getParameter("bias").name, "bias");
    try {
        loaded->getParameter("missing");
        FAIL() << "expected std::out_of_range";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "Parameter not found: missing");
    }
}

TEST(DocumentTest, NoInputModeCodes) {
    const std::pair<const char*, int> cases[] = {{"error", 0},       {"black", 1}, {"white", 2},
                                                 {"transparent", 3}, {"Black", 2}, {"", 2}};
    for (const auto& [mode, code] : cases) {
        EXPECT_EQ(XMLEffectDefinition::noInputModeToInt(mode), code) << mode;
    }
}

TEST(DocumentTest, SuccessLinesNameTheEffectAndLevel) {
    LogCapture log;
    const auto loaded = loadDefinition(
        "<effect name=\"Glow\" category=\"Light\" debug_level=\"info\"><pipeline/></effect>");
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    EXPECT_TRUE(log.hasLine("[INFO] XMLEffectDefinition default constructor (for embedded XML)"));
    EXPECT_TRUE(log.hasLine("[INFO] Parsed 0 processes from <pipeline> section"));
    EXPECT_TRUE(log.hasLine("[INFO] Embedded XML parsed successfully: effect 'Glow'"));
    EXPECT_TRUE(log.hasLine("[INFO] Debug level from embedded XML: info"));
}

// A host process may run with a decimal comma; every number of a definition
// must still read with a point.
TEST(DocumentTest, NumbersIgnoreTheProcessLocale) {
    CommaDecimalLocale locale;
    if (!locale.active()) {
        GTEST_SKIP() << "no locale with a decimal comma is available";
    }
    const auto loaded = loadDefinition(effectWith(
        "<parameters>"
        "<parameter name=\"gain\" type=\"float\" default=\"0.15\" min=\"-0.5\" max=\"2.5\" "
        "displayMin=\"0.25\" displayMax=\"1.75\" inc=\"0.05\"/>"
        "<parameter name=\"tint\" type=\"color\" default=\"1,0.5,0.25\" min=\"0.5,0,0\"/>"
        "<parameter name=\"offset\" type=\"vec2\">"
        "<component name=\"u\" default=\"0.75\" min=\"-1.5\" max=\"1.5\" inc=\"0.125\"/>"
        "</parameter></parameters>"
        "<identity_conditions><condition><parameter name=\"gain\" operator=\"lessEqual\" "
        "value=\"0.5\"/>"
        "</condition></identity_conditions>"
        "<overlays><vslider param=\"gain\" color=\"0.5,0.25,0.75\" fixed_x=\"0.08\"/>"
        "<vector param=\"offset\" magnitude=\"gain\" fixed_magnitude=\"0.35\"/></overlays>"));
    ASSERT_TRUE(loaded.ok) << loaded->lastError();

    const XMLEffectDefinition::ParameterDef& gain = loaded->getParameter("gain");
    EXPECT_EQ(gain.defaultValue, 0.15);
    EXPECT_EQ(gain.minValue, -0.5);
    EXPECT_EQ(gain.maxValue, 2.5);
    EXPECT_EQ(gain.displayMin, 0.25);
    EXPECT_EQ(gain.displayMax, 1.75);
    EXPECT_EQ(gain.increment, 0.05);

    const auto& tint = loaded->getParameter("tint").components;
    ASSERT_EQ(tint.size(), 3u);
    EXPECT_EQ(tint[1].defaultValue, 0.5);
    EXPECT_EQ(tint[2].defaultValue, 0.25);
    EXPECT_EQ(tint[0].minValue, 0.5);

    const auto& offset = loaded->getParameter("offset").components;
    ASSERT_EQ(offset.size(), 1u);
    EXPECT_EQ(offset[0].defaultValue, 0.75);
    EXPECT_EQ(offset[0].minValue, -1.5);
    EXPECT_EQ(offset[0].increment, 0.125);

    ASSERT_EQ(loaded->getIdentityConditions().size(), 1u);
    EXPECT_EQ(loaded->getIdentityConditions()[0].value, 0.5);

    const auto& overlays = loaded->getOverlays();
    ASSERT_EQ(overlays.size(), 2u);
    EXPECT_EQ(overlays[0].color.r, 0.5f);
    EXPECT_EQ(overlays[0].color.g, 0.25f);
    EXPECT_EQ(overlays[0].color.b, 0.75f);
    EXPECT_EQ(overlays[0].fixedX, 0.08f);
    EXPECT_EQ(overlays[1].fixedMagnitude, 0.35f);
}

}  // namespace
