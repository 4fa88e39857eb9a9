// The parameters and ui sections.
#include <gtest/gtest.h>

#include <ostream>

#include <vector>

#include "DefinitionDocuments.h"
#include "LogCapture.h"

namespace {

using ParameterDef = XMLEffectDefinition::ParameterDef;

LoadedDefinition loadParameters(const std::string& parameters, const std::string& rest = "") {
    return loadDefinition(effectWith("<parameters>" + parameters + "</parameters>" + rest));
}

// The one parameter of a definition that must load.
ParameterDef onlyParameter(const std::string& element) {
    const auto loaded = loadParameters(element);
    EXPECT_TRUE(loaded.ok) << loaded->lastError();
    EXPECT_EQ(loaded->getParameters().size(), 1u);
    return loaded->getParameters().empty() ? ParameterDef{} : loaded->getParameters()[0];
}

struct NumericCase {
    const char* what;
    std::string element;
    double defaultValue, minValue, maxValue, displayMin, displayMax, increment;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const NumericCase& c, std::ostream* os) {
    *os << c.what;
}

class NumericParameterTest : public ::testing::TestWithParam<NumericCase> {};

TEST_P(NumericParameterTest, ReadsRangeAndDefaults) {
    const NumericCase& expected = GetParam();
    const ParameterDef parameter = onlyParameter(expected.element);
    EXPECT_DOUBLE_EQ(parameter.defaultValue, expected.defaultValue);
    EXPECT_DOUBLE_EQ(parameter.minValue, expected.minValue);
    EXPECT_DOUBLE_EQ(parameter.maxValue, expected.maxValue);
    EXPECT_DOUBLE_EQ(parameter.displayMin, expected.displayMin);
    EXPECT_DOUBLE_EQ(parameter.displayMax, expected.displayMax);
    EXPECT_DOUBLE_EQ(parameter.increment, expected.increment);
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, NumericParameterTest,
    ::testing::Values(
        NumericCase{"only_min", "<parameter name=\"p\" type=\"double\" min=\"-5\"/>", 0, -5, 1, -5,
                    1, 0.1},
        NumericCase{"every_attribute",
                    "<parameter name=\"p\" type=\"float\" default=\"0.5\" min=\"-2\" max=\"8\" "
                    "displayMin=\"0\" displayMax=\"4\" inc=\"0.25\"/>",
                    0.5, -2, 8, 0, 4, 0.25},
        NumericCase{"int_reads_reals",
                    "<parameter name=\"p\" type=\"int\" default=\"3.9\" min=\"-2.7\" max=\"10\"/>",
                    3.9, -2.7, 10, -2.7, 10, 0.1},
        NumericCase{"junk_reads_as_number_prefix",
                    "<parameter name=\"p\" type=\"double\" default=\"2.5px\" max=\"abc\"/>", 2.5, 0,
                    0, 0, 0, 0.1},
        // Types are compared exactly: "Double" keeps only the common attributes.
        NumericCase{"capitalised_type_is_not_numeric",
                    "<parameter name=\"p\" type=\"Double\" default=\"3\" min=\"1\" max=\"9\"/>", 0,
                    0, 0, 0, 0, 0}),
    [](const ::testing::TestParamInfo<NumericCase>& info) { return info.param.what; });

TEST(ParameterSectionTest, CommonAttributes) {
    const auto loaded = loadParameters(
        "<parameter name=\"a\" type=\"float\"/>"
        "<parameter name=\"b\" type=\"float\" label=\"\" hint=\"Help\" "
        "res_dependent=\"xy\"/>"
        "<parameter name=\"c\" type=\"float\" label=\"Gain\"/>");
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    const auto& parameters = loaded->getParameters();
    ASSERT_EQ(parameters.size(), 3u);
    EXPECT_EQ(parameters[0].label, "a");
    EXPECT_EQ(parameters[0].hint, "");
    EXPECT_EQ(parameters[0].resDependent, "none");
    EXPECT_EQ(parameters[1].label, "b");
    EXPECT_EQ(parameters[1].hint, "Help");
    EXPECT_EQ(parameters[1].resDependent, "xy");
    EXPECT_EQ(parameters[2].label, "Gain");
    EXPECT_EQ(parameters[2].type, "float");
}

TEST(ParameterSectionTest, TypeSpecificAttributes) {
    const auto loaded = loadParameters(
        "<parameter name=\"on\" type=\"bool\" default=\"true\"/>"
        "<parameter name=\"off\" type=\"bool\"/>"
        "<parameter name=\"title\" type=\"string\" default=\"Hello\"/>"
        "<parameter name=\"lut\" type=\"filepath\" default=\"/tmp/a.cube\"/>"
        "<parameter name=\"lut2\" type=\"filepath\" mustexist=\"true\"/>"
        "<parameter name=\"go\" type=\"pushbutton\" default=\"1\"/>"
        "<parameter name=\"ramp\" type=\"curve\"/>"
        "<parameter name=\"ease\" type=\"curve\" default_shape=\"ease_in\" curve_background=\"2\"/>"
        "<parameter name=\"note\" type=\"text\" default=\"x\"/>");
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    EXPECT_TRUE(loaded->getParameter("on").defaultBool);
    EXPECT_FALSE(loaded->getParameter("off").defaultBool);
    EXPECT_EQ(loaded->getParameter("title").defaultString, "Hello");
    // Only file paths read mustexist; other records keep the record default.
    EXPECT_TRUE(loaded->getParameter("title").mustExist);
    EXPECT_EQ(loaded->getParameter("lut").defaultString, "/tmp/a.cube");
    EXPECT_FALSE(loaded->getParameter("lut").mustExist);
    EXPECT_TRUE(loaded->getParameter("lut2").mustExist);
    EXPECT_DOUBLE_EQ(loaded->getParameter("go").defaultValue, 0.0);
    EXPECT_EQ(loaded->getParameter("ramp").defaultShape, "linear");
    EXPECT_EQ(loaded->getParameter("ramp").curveBackground, 0);
    EXPECT_EQ(loaded->getParameter("ease").defaultShape, "ease_in");
    EXPECT_EQ(loaded->getParameter("ease").curveBackground, 2);
    EXPECT_EQ(loaded->getParameter("note").defaultString, "");
}

TEST(ParameterSectionTest, ChoiceOptions) {
    const ParameterDef choice = onlyParameter(
        "<parameter name=\"mode\" type=\"choice\" default=\"1.9\">"
        "<option value=\"add\" label=\"Add\"/><option value=\"multiply\"/>"
        "</parameter>");
    EXPECT_DOUBLE_EQ(choice.defaultValue, 1.9);
    ASSERT_EQ(choice.options.size(), 2u);
    EXPECT_EQ(choice.options[0].value, "add");
    EXPECT_EQ(choice.options[0].label, "Add");
    EXPECT_EQ(choice.options[1].value, "multiply");
    EXPECT_EQ(choice.options[1].label, "multiply");
}

struct ComponentCase {
    const char* what;
    std::string element;
    std::vector<XMLEffectDefinition::ParameterComponentDef> components;
};

void PrintTo(const ComponentCase& c, std::ostream* os) {
    *os << c.what;
}

class ComponentTest : public ::testing::TestWithParam<ComponentCase> {};

TEST_P(ComponentTest, BuildsComponents) {
    const ComponentCase& expected = GetParam();
    const ParameterDef parameter = onlyParameter(expected.element);
    ASSERT_EQ(parameter.components.size(), expected.components.size());
    for (std::size_t i = 0; i < expected.components.size(); ++i) {
        const auto& got = parameter.components[i];
        const auto& want = expected.components[i];
        EXPECT_EQ(got.name, want.name) << i;
        EXPECT_DOUBLE_EQ(got.defaultValue, want.defaultValue) << i;
        EXPECT_DOUBLE_EQ(got.minValue, want.minValue) << i;
        EXPECT_DOUBLE_EQ(got.maxValue, want.maxValue) << i;
        EXPECT_DOUBLE_EQ(got.increment, want.increment) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, ComponentTest,
    ::testing::Values(
        ComponentCase{"vec2_lists",
                      "<parameter name=\"p\" type=\"vec2\" default=\"0.0,0.0\" min=\"-1.0,-0.5\" "
                      "max=\"1.0,0.5\"/>",
                      {{"x", 0, -1, 1, 0.01}, {"y", 0, -0.5, 0.5, 0.01}}},
        ComponentCase{"vec2_one_default",
                      "<parameter name=\"p\" type=\"vec2\" default=\"0.25\"/>",
                      {{"x", 0.25, 0, 1, 0.01}}},
        ComponentCase{"vec3_defaults",
                      "<parameter name=\"p\" type=\"vec3\" default=\"1,2,3\"/>",
                      {{"x", 1, 0, 1, 0.01}, {"y", 2, 0, 1, 0.01}, {"z", 3, 0, 1, 0.01}}},
        ComponentCase{"color_defaults",
                      "<parameter name=\"p\" type=\"color\" default=\"1.0,0.5,0.0\"/>",
                      {{"r", 1, 0, 1, 0.01}, {"g", 0.5, 0, 1, 0.01}, {"b", 0, 0, 1, 0.01}}},
        ComponentCase{"vec4_drops_surplus",
                      "<parameter name=\"p\" type=\"vec4\" default=\"1,2,3,4,5\"/>",
                      {{"r", 1, 0, 1, 0.01},
                       {"g", 2, 0, 1, 0.01},
                       {"b", 3, 0, 1, 0.01},
                       {"a", 4, 0, 1, 0.01}}},
        ComponentCase{"short_range_lists",
                      "<parameter name=\"p\" type=\"vec2\" default=\" 1, 2\" min=\"-1\" "
                      "max=\"\"/>",
                      {{"x", 1, -1, 1, 0.01}, {"y", 2, 0, 1, 0.01}}},
        ComponentCase{"trailing_comma_adds_nothing",
                      "<parameter name=\"p\" type=\"vec3\" default=\"4,5,\"/>",
                      {{"x", 4, 0, 1, 0.01}, {"y", 5, 0, 1, 0.01}}},
        ComponentCase{"children_win_over_list",
                      "<parameter name=\"p\" type=\"color\" default=\"9,9,9\">"
                      "<component name=\"r\" default=\"0.2\" min=\"-1\" max=\"2\" inc=\"0.5\"/>"
                      "<component name=\"alpha\"/></parameter>",
                      {{"r", 0.2, -1, 2, 0.5}, {"alpha", 0, 0, 1, 0.01}}},
        ComponentCase{
            "neither_children_nor_default", "<parameter name=\"p\" type=\"vec2\" min=\"x\"/>", {}},
        ComponentCase{"other_types_ignore_components",
                      "<parameter name=\"p\" type=\"color_rgba\" default=\"1,1,1,1\">"
                      "<component name=\"r\"/></parameter>",
                      {}}),
    [](const ::testing::TestParamInfo<ComponentCase>& info) { return info.param.what; });

struct SectionErrorCase {
    const char* what;
    std::string parameters;
    std::string ui;
    std::string error;
};

void PrintTo(const SectionErrorCase& c, std::ostream* os) {
    *os << c.what;
}

class ParameterErrorTest : public ::testing::TestWithParam<SectionErrorCase> {};

TEST_P(ParameterErrorTest, FailsTheDefinition) {
    const auto loaded = loadParameters(GetParam().parameters, GetParam().ui);
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded->lastError(), GetParam().error);
}

const std::string GAIN = "<parameter name=\"gain\" type=\"float\"/>";

INSTANTIATE_TEST_SUITE_P(
    Parameters, ParameterErrorTest,
    ::testing::Values(
        SectionErrorCase{"parameter_without_name", "<parameter type=\"float\"/>", "",
                         "Parameter must have a name attribute"},
        SectionErrorCase{"parameter_without_type", "<parameter name=\"p\"/>", "",
                         "Parameter must have a type attribute"},
        SectionErrorCase{"option_without_value",
                         "<parameter name=\"p\" type=\"choice\"><option label=\"A\"/></parameter>",
                         "", "Option must have a value attribute"},
        SectionErrorCase{"component_without_name",
                         "<parameter name=\"p\" type=\"vec2\"><component default=\"1\"/>"
                         "</parameter>",
                         "", "Component must have a name attribute"},
        SectionErrorCase{"empty_piece_in_default",
                         "<parameter name=\"p\" type=\"vec3\" "
                         "default=\"1,,2\"/>",
                         "", "stod"},
        SectionErrorCase{"word_in_default",
                         "<parameter name=\"p\" type=\"color\" "
                         "default=\"red,0,0\"/>",
                         "", "stod"},
        SectionErrorCase{"number_too_large",
                         "<parameter name=\"p\" type=\"vec2\" "
                         "default=\"1e999,0\"/>",
                         "", "stod"},
        SectionErrorCase{"surplus_min_piece_still_read",
                         "<parameter name=\"p\" type=\"vec2\" default=\"0,0\" min=\"0,0,x\"/>", "",
                         "stod"},
        SectionErrorCase{"group_without_name", GAIN,
                         "<ui><group><parameter>gain</parameter>"
                         "</group></ui>",
                         "group must have a name attribute"},
        SectionErrorCase{"empty_group", GAIN, "<ui><group name=\"g\" label=\"G\"/></ui>",
                         "group must contain either columns or direct parameter references"},
        SectionErrorCase{"column_without_name", GAIN,
                         "<ui><group name=\"g\"><column><parameter>gain</parameter></column>"
                         "</group></ui>",
                         "Column must have a name attribute"},
        SectionErrorCase{"empty_reference", GAIN,
                         "<ui><group name=\"g\"><parameter></parameter></group></ui>",
                         "Parameter reference cannot be empty"},
        SectionErrorCase{"undeclared_reference", GAIN,
                         "<ui><group name=\"g\"><column name=\"c\"><parameter>gian</parameter>"
                         "</column></group></ui>",
                         "Referenced parameter does not exist: gian"}),
    [](const ::testing::TestParamInfo<SectionErrorCase>& info) { return info.param.what; });

TEST(ParameterSectionTest, UIGroupsColumnsAndReferences) {
    LogCapture log;
    // The ui section comes first in the document and still resolves.
    const auto loaded = loadDefinition(
        "<effect name=\"Test\" category=\"Tests\">"
        "<ui>"
        "<group name=\"Look\" label=\"ignored\" tooltip=\"Tone\" open=\"false\">"
        "<parameter>gain</parameter>"
        "<column name=\"Left\" tooltip=\"L\"><parameter>bias</parameter>"
        "<parameter>gain</parameter></column>"
        "<column name=\"Right\"><parameter>mix</parameter></column>"
        "</group>"
        "<group name=\"More\"><parameter>mix</parameter></group>"
        "</ui>"
        "<parameters><parameter name=\"gain\" type=\"float\"/><parameter name=\"bias\" "
        "type=\"float\"/><parameter name=\"mix\" type=\"float\"/></parameters>"
        "<pipeline/></effect>");
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    const auto& groups = loaded->getUIGroups();
    ASSERT_EQ(groups.size(), 2u);

    const auto& look = groups[0];
    EXPECT_EQ(look.name, "Look");
    EXPECT_EQ(look.tooltip, "Tone");
    EXPECT_FALSE(look.open);
    ASSERT_EQ(look.columns.size(), 2u);
    EXPECT_EQ(look.columns[0].name, "Left");
    EXPECT_EQ(look.columns[0].tooltip, "L");
    ASSERT_EQ(look.columns[0].parameters.size(), 2u);
    EXPECT_EQ(look.columns[0].parameters[0].name, "bias");
    EXPECT_EQ(look.columns[0].parameters[1].name, "gain");
    EXPECT_EQ(look.columns[1].tooltip, "");
    ASSERT_EQ(look.columns[1].parameters.size(), 1u);
    EXPECT_EQ(look.columns[1].parameters[0].name, "mix");
    ASSERT_EQ(look.parameters.size(), 1u);
    EXPECT_EQ(look.parameters[0].name, "gain");

    EXPECT_EQ(groups[1].name, "More");
    EXPECT_TRUE(groups[1].open);
    EXPECT_TRUE(groups[1].columns.empty());

    EXPECT_LT(log.find("[INFO] XMLEffectDefinition::parseUI called"),
              log.find("[INFO] XMLEffectDefinition::parseUI completed, parsed 2 groups"));
    EXPECT_TRUE(log.hasLine("[INFO] XMLEffectDefinition::parseUI completed, parsed 2 groups"));
}

}  // namespace
