// What shows over the board for a while: sparks of a burst block in the effect
// list, score pop-ups that rise and fade out in a second, and messages that
// fade in and out in three.
#include <gtest/gtest.h>

#include <memory>

#include "game/EffectList.h"
#include "game/Explosion.h"
#include "game/SceneTextList.h"

namespace {

const OColor4 kTextBlue{0.1f, 0.1f, 0.8f, 1.0f};

TEST(EffectsTest, BurntOutExplosionsLeaveTheEffectList) {
  EffectList& effects = EffectList::Instance();
  effects.Clear();
  auto explosion = std::make_unique<Explosion>();
  explosion->AddParticles(128, kYellow);
  effects.Add(std::move(explosion));
  effects.UpdateAll(16.0);
  EXPECT_EQ(effects.Size(), 1u);
  // Each dead spark is replaced by the last one, which waits a frame, so a few frames empty it.
  for (int frame = 0; frame < 200 && effects.Size() > 0; ++frame) {
    effects.UpdateAll(700.0);
  }
  EXPECT_EQ(effects.Size(), 0u);
}

TEST(EffectsTest, AScorePopUpRisesAndFadesOutInASecond) {
  SceneTextList list(SceneTextList::Kind::Floating, nullptr);
  list.Add("250", {1.0f, 2.0f, 3.0f}, kTextBlue, 8.0f);
  for (int frame = 0; frame < 25; ++frame) {
    list.Update(20);
  }
  ASSERT_EQ(list.Size(), 1u);
  EXPECT_FLOAT_EQ(list.At(0).transform[13], 2.0f + 500 * 0.02f);
  EXPECT_FLOAT_EQ(list.At(0).transform[12], 1.0f);
  EXPECT_NEAR(list.At(0).colour.a, 0.5f, 0.001f) << "a straight fade";
  EXPECT_EQ(list.At(0).text, "250");
  list.Update(500);
  ASSERT_EQ(list.Size(), 1u) << "gone only once its time has passed";
  EXPECT_EQ(list.At(0).colour.a, 0.0f);
  list.Update(1);
  EXPECT_EQ(list.Size(), 0u);
}

TEST(EffectsTest, AMessageStandsStillAndFadesInAndOutAgain) {
  SceneTextList list(SceneTextList::Kind::Long, nullptr);
  list.Add("Level Completed", {-42.0f, -13.0f, 0.0f}, kTextBlue, 12.0f);
  // Half way it is at its fullest, three quarters through half faded.
  const std::pair<std::uint32_t, float> steps[] = {{0, 0.0f}, {1500, 1.0f}, {750, 0.5f}};
  for (const auto& [elapsed, alpha] : steps) {
    list.Update(elapsed);
    list.Update(0);
    EXPECT_NEAR(list.At(0).colour.a, alpha, 0.001f) << "after " << elapsed << " ms more";
  }
  EXPECT_FLOAT_EQ(list.At(0).transform[13], -13.0f);
  list.Update(750);
  ASSERT_EQ(list.Size(), 1u);
  list.Update(1);
  EXPECT_EQ(list.Size(), 0u);
}

}  // namespace
