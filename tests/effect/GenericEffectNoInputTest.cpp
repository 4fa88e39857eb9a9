// An effect without inputs has nothing to pass through: a condition that
// holds does not make it an identity.

#include <gtest/gtest.h>

#include "EffectInstanceHarness.h"
#include "EffectTestSupport.h"
#include "effect/GenericEffect.h"
#include "presets/TempDir.h"

namespace {

TEST(GenericEffectNoInputTest, HoldingConditionWithoutInputIsNoIdentity) {
    TempDir home;
    ScopedHome scopedHome(home.path());
    EffectInstanceHarness host({"Output"});
    GenericEffect effect(host.handle(), "/opt/effects/effect_no_input.xml");
    host.setNumbers("amount", {0.0});

    effect.fetchParametersLazily();
    const XMLEffectDefinition::IdentityConditionDef condition{"amount", "lessEqual", 1.0};
    ASSERT_TRUE(effect.evaluateIdentityCondition(condition, 0.0));

    OFX::Clip* clip = nullptr;
    double time = 3.0;
    EXPECT_FALSE(effect.isIdentity(OFX::IsIdentityArguments{}, clip, time));
    EXPECT_EQ(clip, nullptr);
    EXPECT_EQ(time, 3.0);
    EXPECT_NE(logText("ofxfw effect no input")
                  .find("[DEBUG] GenericEffect constructor completed: 1 clips fetched"),
              std::string::npos);
}

}  // namespace
