#include <gtest/gtest.h>
#include <sys/stat.h>

#include <pugixml.hpp>

#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "CommaDecimalLocale.h"
#include "FileText.h"
#include "LogCapture.h"
#include "TempDir.h"
#include "definition/XMLEffectDefinition.h"
#include "presets/PresetManager.h"

namespace {

using Values = std::map<std::string, ParameterValue>;

// A definition named like this build's effect with the given parameter
// elements and the one process every definition needs.
std::unique_ptr<XMLEffectDefinition> makeDefinition(const std::string& parameters) {
    const std::string xml =
        "<effect name=\"Overlay Test\" category=\"Test\" version=\"1.0\">"
        "<parameters>" +
        parameters +
        "</parameters>"
        "<pipeline><process name=\"main\"><cuda file=\"k.cu\"/></process>"
        "</pipeline></effect>";
    auto definition = std::make_unique<XMLEffectDefinition>();
    if (!definition->parseFromEmbeddedXML(xml.c_str())) {
        ADD_FAILURE() << "definition does not parse: " << definition->lastError();
    }
    return definition;
}

std::string parameterXml(const std::string& name, const std::string& type) {
    return "<parameter name=\"" + name + "\" type=\"" + type + "\"/>";
}

std::string maskTimestamp(const std::string& text) {
    return std::regex_replace(text, std::regex("<created>[^<]*</created>"),
                              "<created>TIME</created>");
}

// Same kind and same payload, vector components compared in single precision
// (the precision they are handed out in).
void expectSameValue(const ParameterValue& actual, const ParameterValue& expected,
                     const std::string& context) {
    SCOPED_TRACE(context);
    ASSERT_EQ(actual.getType(), expected.getType());
    EXPECT_EQ(actual.asDouble(), expected.asDouble());
    EXPECT_EQ(actual.asInt(), expected.asInt());
    EXPECT_EQ(actual.asBool(), expected.asBool());
    EXPECT_EQ(actual.asString(), expected.asString());
    float a[4] = {}, e[4] = {};
    actual.asVec4(a[0], a[1], a[2], a[3]);
    expected.asVec4(e[0], e[1], e[2], e[3]);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(a[i], e[i]) << "component " << i;
    }
}

class PresetFormatTest : public ::testing::Test {
  protected:
    std::string writePreset(const std::string& body) {
        const std::string path = _dir / "p.xml";
        EXPECT_TRUE(writeFileText(path, body));
        return path;
    }
    Values load(const std::string& path) {
        std::string effect, version;
        return PresetManager::loadPreset(path, effect, version);
    }

    TempDir _dir;
    LogCapture _log;
};

TEST_F(PresetFormatTest, OverlayTestDefaultsAreWrittenByteForByte) {
    const auto definition =
        makeDefinition(parameterXml("center", "vec2") + parameterXml("direction", "float") +
                       parameterXml("radius", "float") + parameterXml("color", "color") +
                       parameterXml("scale", "vec2"));
    const Values values = {
        {"center", ParameterValue(0.0, 0.0)},
        {"color", ParameterValue(1.0, 0.5, 0.0)},
        {"scale", ParameterValue(0.2, 0.2)},
        {"radius", ParameterValue(0.15)},
    };
    const std::string path = _dir / "defaults.xml";
    ASSERT_TRUE(PresetManager::savePreset(path, "Overlay Test", "1.0", values, *definition));

    const std::string text = readFileText(path);
    EXPECT_EQ(maskTimestamp(text),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<preset>\n"
              "\t<meta>\n"
              "\t\t<effect>Overlay Test</effect>\n"
              "\t\t<version>1.0</version>\n"
              "\t\t<created>TIME</created>\n"
              "\t</meta>\n"
              "\t<parameters>\n"
              "\t\t<param name=\"center\" type=\"vec2\" value=\"0,0\" />\n"
              "\t\t<param name=\"radius\" type=\"float\" value=\"0.15\" />\n"
              "\t\t<param name=\"color\" type=\"vec3\" value=\"1,0.5,0\" />\n"
              "\t\t<param name=\"scale\" type=\"vec2\" value=\"0.200000003,0.200000003\" />\n"
              "\t</parameters>\n"
              "</preset>\n");
    EXPECT_TRUE(std::regex_search(
        text, std::regex(R"(<created>\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}</created>)")));
    EXPECT_NE(_log.text().find("[INFO] Preset saved: " + path), std::string::npos);
}

struct WriteCase {
    std::string name;
    std::string definitionType;
    std::optional<ParameterValue> value;                         // nothing: no entry in the map
    std::optional<std::pair<std::string, std::string>> written;  // type and value; nothing: absent
};

std::vector<WriteCase> writeCases() {
    using Written = std::pair<std::string, std::string>;
    return {
        {"d", "double", ParameterValue(0.15), Written{"float", "0.15"}},
        {"tiny", "float", ParameterValue(1e-12), Written{"float", "1e-12"}},
        {"long", "float", ParameterValue(123456789.123), Written{"float", "123456789.1"}},
        {"fromInt", "float", ParameterValue(3), Written{"float", "3"}},
        {"i", "int", ParameterValue(-7), Written{"int", "-7"}},
        {"truncated", "int", ParameterValue(2.9), Written{"int", "2"}},
        {"ch", "choice", ParameterValue(2), Written{"choice", "2"}},
        {"on", "bool", ParameterValue(true), Written{"bool", "true"}},
        {"off", "bool", ParameterValue(0.0), Written{"bool", "false"}},
        {"v2", "vec2", ParameterValue(0.2, -1.5), Written{"vec2", "0.200000003,-1.5"}},
        {"v3", "vec3", ParameterValue(1.0, 2.0, 3.0), Written{"vec3", "1,2,3"}},
        {"col", "color", ParameterValue(1.0, 0.5, 0.0), Written{"vec3", "1,0.5,0"}},
        {"v4", "vec4", ParameterValue(0.1, 0.0, 0.0, 1.0), Written{"vec4", "0.1000000015,0,0,1"}},
        {"rgba", "color_rgba", ParameterValue(1.0, 1.0, 1.0, 0.5), Written{"vec4", "1,1,1,0.5"}},
        {"s", "string", ParameterValue("say \"hi\" <b> & 'bye'"),
         Written{"string", "say \"hi\" <b> & 'bye'"}},
        {"fp", "filepath", ParameterValue("/x/y.png"), Written{"filepath", "/x/y.png"}},
        {"cv", "curve", ParameterValue(1.0), Written{"curve", ""}},
        {"btn", "pushbutton", ParameterValue(1), std::nullopt},
        {"preset_file", "string", ParameterValue("a"), std::nullopt},
        {"load_preset", "bool", ParameterValue(true), std::nullopt},
        {"save_preset", "bool", ParameterValue(true), std::nullopt},
        {"notInMap", "float", std::nullopt, std::nullopt},
    };
}

TEST_F(PresetFormatTest, WritesTypeAndValueByTheDefinitionTypeInDefinitionOrder) {
    const std::vector<WriteCase> cases = writeCases();
    std::string parameters;
    Values values = {{"notInDefinition", ParameterValue(1.0)}};
    std::vector<std::string> expectedOrder;
    for (const WriteCase& c : cases) {
        parameters += parameterXml(c.name, c.definitionType);
        if (c.value) {
            values.emplace(c.name, *c.value);
        }
        if (c.written) {
            expectedOrder.push_back(c.name);
        }
    }
    const auto definition = makeDefinition(parameters);
    const std::string path = _dir / "table.xml";
    ASSERT_TRUE(PresetManager::savePreset(path, "Overlay Test", "1.0", values, *definition));

    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_file(path.c_str()));
    std::vector<std::string> order;
    for (const pugi::xml_node param : doc.child("preset").child("parameters").children()) {
        order.push_back(param.attribute("name").value());
        // Attribute order is part of the format.
        std::vector<std::string> attributes;
        for (const pugi::xml_attribute attribute : param.attributes()) {
            attributes.push_back(attribute.name());
        }
        EXPECT_EQ(attributes, (std::vector<std::string>{"name", "type", "value"}));
    }
    EXPECT_EQ(order, expectedOrder);

    for (const WriteCase& c : cases) {
        if (!c.written) {
            continue;
        }
        const pugi::xml_node param = doc.child("preset")
                                         .child("parameters")
                                         .find_child_by_attribute("param", "name", c.name.c_str());
        ASSERT_TRUE(param) << c.name;
        EXPECT_EQ(std::string(param.attribute("type").value()), c.written->first) << c.name;
        EXPECT_EQ(std::string(param.attribute("value").value()), c.written->second) << c.name;
    }
}

TEST_F(PresetFormatTest, SavedPresetLoadsBackWithMetaAndValues) {
    const auto definition =
        makeDefinition(parameterXml("radius", "float") + parameterXml("count", "int") +
                       parameterXml("mode", "choice") + parameterXml("enabled", "bool") +
                       parameterXml("center", "vec2") + parameterXml("color", "color") +
                       parameterXml("tint", "color_rgba") + parameterXml("title", "string") +
                       parameterXml("tiny", "double"));
    const Values saved = {
        {"radius", ParameterValue(0.15)},
        {"count", ParameterValue(-3)},
        {"mode", ParameterValue(4)},
        {"enabled", ParameterValue(true)},
        {"center", ParameterValue(0.25, -0.2)},
        {"color", ParameterValue(1.0, 0.5, 0.0)},
        {"tint", ParameterValue(0.1, 0.2, 0.3, 0.4)},
        {"title", ParameterValue("a, \"b\" & <c>")},
        {"tiny", ParameterValue(1e-12)},
    };
    const std::string path = _dir / "round.xml";
    ASSERT_TRUE(PresetManager::savePreset(path, "Overlay Test", "2.5b", saved, *definition));

    std::string effect, version;
    const Values loaded = PresetManager::loadPreset(path, effect, version);
    EXPECT_EQ(effect, "Overlay Test");
    EXPECT_EQ(version, "2.5b");
    ASSERT_EQ(loaded.size(), saved.size());
    for (const auto& [name, value] : saved) {
        ASSERT_EQ(loaded.count(name), 1u) << name;
        expectSameValue(loaded.at(name), value, name);
    }
    EXPECT_NE(_log.text().find("[INFO] Preset loaded: " + path + " (9 parameters)"),
              std::string::npos);
}

struct ReadCase {
    std::string type;
    std::string value;
    std::optional<ParameterValue> expected;  // nothing: no entry
    std::string parseError;                  // the logged error text, when one is logged
};

TEST_F(PresetFormatTest, ReadsEachParamByItsOwnTypeAttribute) {
    const std::vector<ReadCase> cases = {
        {"float", "0.15", ParameterValue(0.15), ""},
        {"double", "1e-12", ParameterValue(1e-12), ""},
        {"float", "  -2.5", ParameterValue(-2.5), ""},
        {"float", "12abc", ParameterValue(12.0), ""},
        {"float", "abc", std::nullopt, "stod"},
        {"float", "", std::nullopt, "stod"},
        {"float", "1e999", std::nullopt, "stod"},
        {"int", "42", ParameterValue(42), ""},
        {"int", "7.9", ParameterValue(7), ""},
        {"choice", "3", ParameterValue(3), ""},
        {"int", "99999999999", std::nullopt, "stoi"},
        {"choice", "x", std::nullopt, "stoi"},
        {"bool", "true", ParameterValue(true), ""},
        {"bool", "1", ParameterValue(true), ""},
        {"bool", "True", ParameterValue(false), ""},
        {"bool", "yes", ParameterValue(false), ""},
        {"bool", "", ParameterValue(false), ""},
        {"vec2", "1,2", ParameterValue(1.0, 2.0), ""},
        {"vec2", "1,2,", ParameterValue(1.0, 2.0), ""},
        {"vec2", "1", std::nullopt, ""},
        {"vec2", "1,", std::nullopt, ""},
        {"vec2", "1,,2", std::nullopt, "stod"},
        {"vec3", "1,2", std::nullopt, ""},
        {"vec3", "1,2,3,4", ParameterValue(1.0, 2.0, 3.0), ""},
        {"color", "0.5,0.25,1", ParameterValue(0.5, 0.25, 1.0), ""},
        {"vec4", "1,2,3,4", ParameterValue(1.0, 2.0, 3.0, 4.0), ""},
        {"color_rgba", "1,2,3", std::nullopt, ""},
        {"color_rgba", "0,0,0,0.5", ParameterValue(0.0, 0.0, 0.0, 0.5), ""},
        {"string", "hello, world", ParameterValue("hello, world"), ""},
        {"string", "", ParameterValue(""), ""},
        {"filepath", "/a/b.png", ParameterValue("/a/b.png"), ""},
        {"curve", "1", std::nullopt, ""},
        {"Float", "1", std::nullopt, ""},
        {"", "1", std::nullopt, ""},
    };
    for (const ReadCase& c : cases) {
        const std::string context = c.type + " '" + c.value + "'";
        const std::string path = writePreset(
            "<preset><parameters><param name=\"p\" type=\"" + c.type + "\" value=\"" + c.value +
            "\"/><param name=\"marker\" type=\"int\" value=\"1\"/></parameters></preset>");
        const std::size_t logBefore = _log.text().size();
        const Values values = load(path);
        const std::string log = _log.text().substr(logBefore);

        // A bad param never costs the others.
        EXPECT_EQ(values.count("marker"), 1u) << context;
        if (c.expected) {
            ASSERT_EQ(values.count("p"), 1u) << context;
            expectSameValue(values.at("p"), *c.expected, context);
        } else {
            EXPECT_EQ(values.count("p"), 0u) << context;
        }
        const bool logged = log.find("[INFO] Failed to parse preset param 'p': " + c.parseError +
                                     "\n") != std::string::npos;
        EXPECT_EQ(logged, !c.parseError.empty()) << context << "\nlog:\n" << log;
    }
}

TEST_F(PresetFormatTest, ParamsWithoutNameAreIgnoredAndLaterDuplicatesWin) {
    const std::string path = writePreset(
        "<preset><meta><effect>Other Effect</effect></meta><parameters>"
        "<param type=\"int\" value=\"1\"/>"
        "<param name=\"\" type=\"int\" value=\"2\"/>"
        "<param name=\"a\" type=\"int\" value=\"3\"/>"
        "<param name=\"a\" type=\"int\" value=\"4\"/>"
        "<param name=\"noType\" value=\"5\"/>"
        "<param name=\"noValue\" type=\"string\"/>"
        "<other name=\"b\" type=\"int\" value=\"6\"/>"
        "</parameters></preset>");
    std::string effect = "unchanged", version = "unchanged";
    const Values values = PresetManager::loadPreset(path, effect, version);
    EXPECT_EQ(effect, "Other Effect");
    EXPECT_EQ(version, "");
    ASSERT_EQ(values.size(), 2u);
    expectSameValue(values.at("a"), ParameterValue(4), "a");
    expectSameValue(values.at("noValue"), ParameterValue(""), "noValue");
}

TEST_F(PresetFormatTest, MalformedOrForeignFilesYieldAnEmptyMap) {
    struct Case {
        std::string description;
        std::optional<std::string> content;  // nothing: no file at all
        std::string logLine;
    };
    const std::vector<Case> cases = {
        {"missing file", std::nullopt, "[ERROR] Failed to load preset file: "},
        {"empty file", "", "[ERROR] Failed to load preset file: "},
        {"plain text", "radius = 0.15\n", "[ERROR] Failed to load preset file: "},
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
         "[ERROR] Failed to load preset file: "},
        {"unclosed element", "<preset><parameters>", "[ERROR] Failed to load preset file: "},
        {"wrong root", "<effect name=\"x\"><param name=\"a\" type=\"int\" value=\"1\"/></effect>",
         "[ERROR] Invalid preset file (no <preset> root): "},
        {"nested preset", "<root><preset/></root>",
         "[ERROR] Invalid preset file (no <preset> root): "},
    };
    for (const Case& c : cases) {
        const std::string path = _dir / "malformed.xml";
        std::remove(path.c_str());
        if (c.content) {
            ASSERT_TRUE(writeFileText(path, *c.content));
        }
        std::string effect = "kept", version = "kept";
        const std::size_t logBefore = _log.text().size();
        EXPECT_TRUE(PresetManager::loadPreset(path, effect, version).empty()) << c.description;
        EXPECT_EQ(effect, "kept") << c.description;
        EXPECT_NE(_log.text().substr(logBefore).find(c.logLine + path + "\n"), std::string::npos)
            << c.description;
    }
}

TEST_F(PresetFormatTest, DirectoriesAndFifosAreRefusedWithoutBlocking) {
    const std::string fifo = _dir / "fifo.xml";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    for (const std::string& path : {_dir.path(), fifo, std::string("/dev/zero")}) {
        const std::size_t logBefore = _log.text().size();
        EXPECT_TRUE(load(path).empty()) << path;
        EXPECT_NE(_log.text().substr(logBefore).find("[ERROR] Failed to load preset file: " + path),
                  std::string::npos)
            << path;
    }
}

TEST_F(PresetFormatTest, PresetWithoutParametersLoadsAsEmpty) {
    const std::string path = writePreset(
        "<?xml version=\"1.0\"?><preset><meta><effect>E</effect>"
        "<version>3</version></meta></preset>");
    std::string effect, version;
    EXPECT_TRUE(PresetManager::loadPreset(path, effect, version).empty());
    EXPECT_EQ(effect, "E");
    EXPECT_EQ(version, "3");
    EXPECT_NE(_log.text().find("[INFO] Preset loaded: " + path + " (0 parameters)"),
              std::string::npos);
}

TEST_F(PresetFormatTest, NumbersIgnoreTheHostProcessLocale) {
    CommaDecimalLocale locale;
    if (!locale.active()) {
        GTEST_SKIP() << "no locale with a decimal comma is available";
    }
    const auto definition =
        makeDefinition(parameterXml("radius", "float") + parameterXml("scale", "vec2"));
    const Values saved = {{"radius", ParameterValue(1234.5)}, {"scale", ParameterValue(0.5, 2.25)}};
    const std::string path = _dir / "locale.xml";
    ASSERT_TRUE(PresetManager::savePreset(path, "Overlay Test", "1.0", saved, *definition));
    const std::string text = readFileText(path);
    EXPECT_NE(text.find("value=\"1234.5\""), std::string::npos) << text;
    EXPECT_NE(text.find("value=\"0.5,2.25\""), std::string::npos) << text;

    const Values loaded = load(path);
    ASSERT_EQ(loaded.size(), 2u);
    expectSameValue(loaded.at("radius"), ParameterValue(1234.5), "radius");
    expectSameValue(loaded.at("scale"), ParameterValue(0.5, 2.25), "scale");
}

}  // namespace
