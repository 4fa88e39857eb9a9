#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "plugin/EffectDefinitionRegistry.h"
#include "util/Logger.h"

namespace {

const char kLogName[] = "ofxfw_test_definition_registry";

class EffectDefinitionRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override { EffectDefinitionRegistry::clear(); }
    void TearDown() override { EffectDefinitionRegistry::clear(); }

    XMLEffectDefinition first;
    XMLEffectDefinition second;
};

TEST_F(EffectDefinitionRegistryTest, RegisterLookUpAndOverwrite) {
    EXPECT_EQ(EffectDefinitionRegistry::getDefinition("Blur"), nullptr);

    EffectDefinitionRegistry::registerDefinition("Blur", &first);
    EffectDefinitionRegistry::registerDefinition("Glow", &second);
    EXPECT_EQ(EffectDefinitionRegistry::getDefinition("Blur"), &first);
    EXPECT_EQ(EffectDefinitionRegistry::getDefinition("Glow"), &second);
    EXPECT_EQ(EffectDefinitionRegistry::getDefinition("blur"), nullptr);

    EffectDefinitionRegistry::registerDefinition("Blur", &second);
    EXPECT_EQ(EffectDefinitionRegistry::getDefinition("Blur"), &second);
}

TEST_F(EffectDefinitionRegistryTest, NullDefinitionIsRefusedAndLogged) {
    Logger::getInstance()->setEffectName(kLogName);
    EffectDefinitionRegistry::registerDefinition("Blur", &first);
    EffectDefinitionRegistry::registerDefinition("Blur", nullptr);
    EXPECT_EQ(EffectDefinitionRegistry::getDefinition("Blur"), &first);

    std::ifstream file(Logger::logPath(kLogName));
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("[ERROR] EffectDefinitionRegistry::registerDefinition called with "
                              "null definition for Blur"),
              std::string::npos);
    std::remove(Logger::logPath(kLogName).c_str());
    std::remove(Logger::oldLogPath(kLogName).c_str());
}

TEST_F(EffectDefinitionRegistryTest, ClearForgetsEverything) {
    EffectDefinitionRegistry::registerDefinition("Blur", &first);
    EffectDefinitionRegistry::registerDefinition("Glow", &second);
    EffectDefinitionRegistry::clear();
    EXPECT_EQ(EffectDefinitionRegistry::getDefinition("Blur"), nullptr);
    EXPECT_EQ(EffectDefinitionRegistry::getDefinition("Glow"), nullptr);
}

TEST_F(EffectDefinitionRegistryTest, ConcurrentRegistrationsAndLookupsAllLand) {
    constexpr int kThreads = 4;
    constexpr int kNamesPerThread = 300;
    std::vector<std::thread> threads;
    std::vector<int> misses(kThreads, 0);
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            const XMLEffectDefinition* mine = (t % 2 == 0) ? &first : &second;
            for (int i = 0; i < kNamesPerThread; ++i) {
                const std::string name = "effect_" + std::to_string(t) + "_" + std::to_string(i);
                EffectDefinitionRegistry::registerDefinition(name, mine);
                if (EffectDefinitionRegistry::getDefinition(name) != mine) {
                    ++misses[t];
                }
                // Everyone also reads a name that others keep overwriting.
                EffectDefinitionRegistry::registerDefinition("shared", mine);
                const XMLEffectDefinition* shared =
                    EffectDefinitionRegistry::getDefinition("shared");
                if (shared != &first && shared != &second) {
                    ++misses[t];
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(misses, std::vector<int>(kThreads, 0));
    for (int t = 0; t < kThreads; ++t) {
        const XMLEffectDefinition* mine = (t % 2 == 0) ? &first : &second;
        for (int i = 0; i < kNamesPerThread; ++i) {
            const std::string name = "effect_" + std::to_string(t) + "_" + std::to_string(i);
            ASSERT_EQ(EffectDefinitionRegistry::getDefinition(name), mine) << name;
        }
    }
}

}  // namespace
