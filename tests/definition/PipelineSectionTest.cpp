// The pipeline section, the kernel-list queries and the identity conditions.
#include <gtest/gtest.h>

#include <ostream>

#include "DefinitionDocuments.h"
#include "LogCapture.h"

namespace {

std::string effectWithPipeline(const std::string& pipeline, const std::string& rest = "") {
    return "<effect name=\"Test\" category=\"Tests\">" + pipeline + rest + "</effect>";
}

TEST(PipelineSectionTest, ProcessesAndTheirKernels) {
    LogCapture log;
    const auto loaded = loadDefinition(
        effectWithPipeline("<pipeline executions=\"param:repeats\">"
                           "<process name=\"blur\" executions=\"3\" initialization=\"source\">"
                           "<cuda file=\"blur.cu\" executions=\"2\"/>"
                           "<CUDA file=\"ignored.cu\"/>"
                           "<metal file=\"blur.metal\"/>"
                           "<opencl/>"
                           "<notes file=\"ignored\"/>"
                           "</process>"
                           "<process/>"
                           "</pipeline>"));
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    EXPECT_EQ(loaded->getEffectExecutions(), "param:repeats");
    EXPECT_TRUE(loaded->hasMultiPipeline());
    const auto& processes = loaded->getPipelines();
    ASSERT_EQ(processes.size(), 2u);

    const auto& blur = processes[0];
    EXPECT_EQ(blur.name, "blur");
    EXPECT_EQ(blur.executions, "3");
    EXPECT_EQ(blur.initialization, "source");
    ASSERT_EQ(blur.kernels.size(), 3u);
    EXPECT_EQ(blur.kernels[0].platform, "cuda");
    EXPECT_EQ(blur.kernels[0].file, "blur.cu");
    EXPECT_EQ(blur.kernels[0].executions, 2);
    EXPECT_EQ(blur.kernels[1].platform, "metal");
    EXPECT_EQ(blur.kernels[1].executions, 1);
    EXPECT_EQ(blur.kernels[2].platform, "opencl");
    EXPECT_EQ(blur.kernels[2].file, "");

    const auto& unnamed = processes[1];
    EXPECT_EQ(unnamed.name, "unnamed_process");
    EXPECT_EQ(unnamed.executions, "");
    EXPECT_EQ(unnamed.initialization, "");
    EXPECT_TRUE(unnamed.kernels.empty());

    EXPECT_TRUE(log.hasLine("[INFO] Parsing <pipeline> section (refactored structure)"));
    EXPECT_TRUE(log.hasLine("[INFO] Effect executions (from <pipeline>): param:repeats"));
    EXPECT_TRUE(log.hasLine("[DEBUG]     Kernel: blur.cu (platform=cuda, executions=2)"));
    EXPECT_TRUE(log.hasLine("[INFO]   Process 'blur': 3 kernels, executions=3, init=source"));
    EXPECT_TRUE(
        log.hasLine("[INFO]   Process 'unnamed_process': 0 kernels, executions=1, init=none"));
    EXPECT_TRUE(log.hasLine("[INFO] Parsed 2 processes from <pipeline> section"));
}

TEST(PipelineSectionTest, DefaultEffectExecutionsAreOneAndNotLogged) {
    LogCapture log;
    const auto loaded = loadDefinition(effectWithPipeline("<pipeline/>"));
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    EXPECT_EQ(loaded->getEffectExecutions(), "1");
    EXPECT_FALSE(loaded->hasMultiPipeline());
    EXPECT_EQ(log.text().find("Effect executions (from <pipeline>)"), std::string::npos);
}

TEST(PipelineSectionTest, KernelListQueriesIgnoreProcesses) {
    LogCapture log;
    const auto loaded = loadDefinition(effectWithPipeline(
        "<pipeline><process name=\"p\"><cuda file=\"k.cu\" executions=\"4\"/></process>"
        "</pipeline>"));
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    EXPECT_TRUE(loaded->getKernels().empty());
    EXPECT_TRUE(loaded->getKernelsForPlatform("cuda").empty());
    EXPECT_EQ(loaded->getTotalPasses("cuda"), 0);
    EXPECT_EQ(loaded->getTotalKernels("cuda"), 0);
    EXPECT_TRUE(log.hasLine("[DEBUG] Effect 'Test' on cuda: 0 total passes across 0 kernels"));
}

TEST(PipelineSectionTest, IdentityConditions) {
    const auto loaded = loadDefinition(effectWithPipeline(
        "<pipeline/>",
        "<parameters><parameter name=\"amount\" type=\"float\"/>"
        "<parameter name=\"enabled\" type=\"bool\"/></parameters>"
        "<identity_conditions>"
        "<condition><parameter name=\"amount\" operator=\"lessEqual\" value=\"0.001\"/></condition>"
        "<condition><parameter name=\"enabled\" operator=\"~=\"/></condition>"
        "</identity_conditions>"));
    ASSERT_TRUE(loaded.ok) << loaded->lastError();
    const auto& conditions = loaded->getIdentityConditions();
    ASSERT_EQ(conditions.size(), 2u);
    EXPECT_EQ(conditions[0].parameter, "amount");
    EXPECT_EQ(conditions[0].op, "lessEqual");
    EXPECT_DOUBLE_EQ(conditions[0].value, 0.001);
    EXPECT_EQ(conditions[1].parameter, "enabled");
    EXPECT_EQ(conditions[1].op, "~=");
    EXPECT_DOUBLE_EQ(conditions[1].value, 0.0);
}

struct ConditionErrorCase {
    const char* what;
    std::string condition;
    std::string error;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ConditionErrorCase& c, std::ostream* os) {
    *os << c.what;
}

class ConditionErrorTest : public ::testing::TestWithParam<ConditionErrorCase> {};

TEST_P(ConditionErrorTest, FailsTheDefinition) {
    const auto loaded = loadDefinition(
        effectWithPipeline("<pipeline/>",
                           "<parameters><parameter name=\"amount\" type=\"float\"/></parameters>"
                           "<identity_conditions><condition>" +
                               GetParam().condition + "</condition></identity_conditions>"));
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded->lastError(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, ConditionErrorTest,
    ::testing::Values(
        ConditionErrorCase{"no_parameter_element", "<param name=\"amount\" operator=\"equal\"/>",
                           "Condition must have a parameter element"},
        ConditionErrorCase{"no_name", "<parameter operator=\"equal\"/>",
                           "Parameter in condition must have a name attribute"},
        ConditionErrorCase{"no_operator_checked_before_existence",
                           "<parameter name=\"ghost\" value=\"1\"/>",
                           "Parameter in condition must have an operator attribute"},
        ConditionErrorCase{"undeclared_parameter",
                           "<parameter name=\"ghost\" operator=\"equal\" value=\"1\"/>",
                           "Referenced parameter does not exist: ghost"}),
    [](const ::testing::TestParamInfo<ConditionErrorCase>& info) { return info.param.what; });

}  // namespace
