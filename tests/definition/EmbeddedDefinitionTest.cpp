// The Overlay Test definition compiled into the plug-in.
#include <gtest/gtest.h>

#include <vector>

#include "definition/EmbeddedXml.h"
#include "definition/XMLEffectDefinition.h"

namespace {

using Definition = XMLEffectDefinition;

class EmbeddedDefinitionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(_definition.parseFromEmbeddedXML(EMBEDDED_XML)) << _definition.lastError();
    }

    Definition _definition;
};

TEST_F(EmbeddedDefinitionTest, Metadata) {
    EXPECT_EQ(_definition.getName(), "Overlay Test");
    EXPECT_EQ(_definition.getCategory(), "Test");
    EXPECT_EQ(_definition.getVersion(), "1.0");
    EXPECT_EQ(_definition.getDebugLevel(), "info");
    EXPECT_EQ(_definition.getDescription(),
              "Test effect for overlay system development - draws a circle at the center position");
    ASSERT_EQ(_definition.getInputs().size(), 1u);
    const auto& source = _definition.getInputs()[0];
    EXPECT_EQ(source.name, "Source");
    EXPECT_EQ(source.label, "Source");
    EXPECT_EQ(source.noInputMode, "error");
    EXPECT_FALSE(source.optional);
    EXPECT_TRUE(_definition.getBundledResources().empty());
    EXPECT_TRUE(_definition.getIdentityConditions().empty());
}

struct ExpectedParameter {
    std::string name;
    std::string type;
    std::string label;
    std::string hint;
    // Scalar: {default, min, max}; vector: per component {default, min, max}.
    std::vector<std::vector<double>> values;
};

TEST_F(EmbeddedDefinitionTest, ParametersInOrder) {
    const auto point = [](const std::string& name, double x, double y, const std::string& label,
                          const std::string& hint) {
        return ExpectedParameter{name, "vec2", label, hint, {{x, -1.0, 1.0}, {y, -0.5, 0.5}}};
    };
    const std::vector<ExpectedParameter> expected = {
        point("center", 0.0, 0.0, "Center Position",
              "Drag the target overlay to move the circle center"),
        {"direction", "float", "Direction", "Vector direction in degrees", {{45.0, 0.0, 360.0}}},
        {"strength", "float", "Strength", "Vector magnitude", {{0.15, 0.01, 5.0}}},
        point("point_crosshair", -0.5, 0.3, "Crosshair Point",
              "Default crosshair style - cross with circle"),
        point("point_cross", -0.2, 0.3, "Cross Point", "Simple cross style - no circle"),
        point("point_diamond", 0.2, 0.3, "Diamond Point", "Diamond shape style"),
        point("point_axis", 0.5, 0.3, "Axis Point", "Axis style - lines extend to frame edges"),
        point("point_dot", -0.5, -0.3, "Dot Point", "Small dot style"),
        point("point_sun", -0.2, -0.3, "Sun Point",
              "Light source style - circle with radiating rays"),
        {"radius",
         "float",
         "Radius",
         "Size of the circle - drag circle edge to resize",
         {{0.15, 0.01, 5.0}}},
        {"color",
         "color",
         "Circle Color",
         "Color of the circle",
         {{1.0, 0.0, 1.0}, {0.5, 0.0, 1.0}, {0.0, 0.0, 1.0}}},
        {"opacity", "float", "Opacity", "Circle opacity - drag vertical slider", {{0.5, 0.0, 1.0}}},
        {"scale",
         "vec2",
         "Scale",
         "Scale rectangle - drag corners/edges",
         {{0.2, 0.01, 1.0}, {0.2, 0.01, 1.0}}},
    };

    const auto& parameters = _definition.getParameters();
    ASSERT_EQ(parameters.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& want = expected[i];
        const auto& got = parameters[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(got.name, want.name);
        EXPECT_EQ(got.type, want.type);
        EXPECT_EQ(got.label, want.label);
        EXPECT_EQ(got.hint, want.hint);
        EXPECT_EQ(got.resDependent, "none");
        if (want.type == "float") {
            EXPECT_DOUBLE_EQ(got.defaultValue, want.values[0][0]);
            EXPECT_DOUBLE_EQ(got.minValue, want.values[0][1]);
            EXPECT_DOUBLE_EQ(got.maxValue, want.values[0][2]);
            EXPECT_DOUBLE_EQ(got.displayMin, want.values[0][1]);
            EXPECT_DOUBLE_EQ(got.displayMax, want.values[0][2]);
            EXPECT_DOUBLE_EQ(got.increment, 0.1);
            EXPECT_TRUE(got.components.empty());
            continue;
        }
        const char* names = want.type == "color" ? "rgb" : "xy";
        ASSERT_EQ(got.components.size(), want.values.size());
        for (std::size_t c = 0; c < want.values.size(); ++c) {
            EXPECT_EQ(got.components[c].name, std::string(1, names[c]));
            EXPECT_DOUBLE_EQ(got.components[c].defaultValue, want.values[c][0]);
            EXPECT_DOUBLE_EQ(got.components[c].minValue, want.values[c][1]);
            EXPECT_DOUBLE_EQ(got.components[c].maxValue, want.values[c][2]);
            EXPECT_DOUBLE_EQ(got.components[c].increment, 0.01);
        }
    }
}

std::vector<std::string> referenceNames(const std::vector<Definition::UIParameterDef>& refs) {
    std::vector<std::string> names;
    for (const auto& ref : refs) {
        names.push_back(ref.name);
    }
    return names;
}

TEST_F(EmbeddedDefinitionTest, UIGroups) {
    const auto& groups = _definition.getUIGroups();
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].name, "Main");
    EXPECT_TRUE(groups[0].open);
    EXPECT_TRUE(groups[0].columns.empty());
    EXPECT_EQ(referenceNames(groups[0].parameters),
              (std::vector<std::string>{"center", "direction", "strength", "radius", "color",
                                        "opacity", "scale"}));
    EXPECT_EQ(groups[1].name, "PointStyles");
    EXPECT_TRUE(groups[1].open);
    EXPECT_EQ(referenceNames(groups[1].parameters),
              (std::vector<std::string>{"point_crosshair", "point_cross", "point_diamond",
                                        "point_axis", "point_dot", "point_sun"}));
}

TEST_F(EmbeddedDefinitionTest, Pipeline) {
    EXPECT_EQ(_definition.getEffectExecutions(), "1");
    ASSERT_EQ(_definition.getPipelines().size(), 1u);
    const auto& process = _definition.getPipelines()[0];
    EXPECT_EQ(process.name, "main");
    EXPECT_EQ(process.executions, "");
    ASSERT_EQ(process.kernels.size(), 2u);
    EXPECT_EQ(process.kernels[0].platform, "metal");
    EXPECT_EQ(process.kernels[0].file, "overlay_test.metal");
    EXPECT_EQ(process.kernels[0].executions, 1);
    EXPECT_EQ(process.kernels[1].platform, "cuda");
    EXPECT_EQ(process.kernels[1].file, "overlay_test.cu");
    EXPECT_EQ(process.kernels[1].executions, 1);
}

struct ExpectedOverlay {
    Definition::OverlayType type;
    std::string param;
    std::string style;
    std::string center;
    std::string color;
    std::string label;
};

TEST_F(EmbeddedDefinitionTest, Overlays) {
    using Type = Definition::OverlayType;
    EXPECT_EQ(_definition.getOverlayCoordSystem(), Definition::OverlayCoordSystem::centered_aspect);
    const std::vector<ExpectedOverlay> expected = {
        {Type::point, "center", "target", "", "cyan", "Center"},
        {Type::point, "point_crosshair", "crosshair", "", "white", "Crosshair"},
        {Type::point, "point_cross", "cross", "", "red", "Cross"},
        {Type::point, "point_diamond", "diamond", "", "green", "Diamond"},
        {Type::point, "point_axis", "axis", "", "blue", "Axis"},
        {Type::point, "point_dot", "dot", "", "yellow", "Dot"},
        {Type::point, "point_sun", "sun", "", "orange", "Sun"},
        {Type::radius, "radius", "crosshair", "center", "yellow", "Radius"},
        {Type::vslider, "opacity", "crosshair", "", "orange", "Opacity"},
        {Type::ellipse, "scale", "crosshair", "center", "green", "Ellipse"},
    };
    const auto& overlays = _definition.getOverlays();
    ASSERT_EQ(overlays.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& want = expected[i];
        const auto& got = overlays[i];
        SCOPED_TRACE(want.param);
        EXPECT_EQ(got.type, want.type);
        EXPECT_EQ(got.param, want.param);
        EXPECT_EQ(got.style, want.style);
        EXPECT_EQ(got.center, want.center);
        EXPECT_EQ(got.label, want.label);
        const auto color = Definition::parseOverlayColor(want.color);
        EXPECT_TRUE(got.color.isSet);
        EXPECT_FLOAT_EQ(got.color.r, color.r);
        EXPECT_FLOAT_EQ(got.color.g, color.g);
        EXPECT_FLOAT_EQ(got.color.b, color.b);
        EXPECT_EQ(got.children.size(), i == 0 ? 1u : 0u);
    }
    EXPECT_FLOAT_EQ(overlays[8].fixedX, 0.08f);

    const auto& arrow = overlays[0].children[0];
    EXPECT_EQ(arrow.type, Type::vector);
    EXPECT_EQ(arrow.param, "");
    EXPECT_EQ(arrow.direction, "direction");
    EXPECT_EQ(arrow.magnitude, "strength");
    EXPECT_EQ(arrow.label, "Dir");
    EXPECT_TRUE(arrow.color.isSet);
    EXPECT_FLOAT_EQ(arrow.color.r, 1.0f);
    EXPECT_FLOAT_EQ(arrow.color.g, 0.0f);
    EXPECT_FLOAT_EQ(arrow.color.b, 1.0f);
}

}  // namespace
