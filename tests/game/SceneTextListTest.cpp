// The game screen's two lists of texts in the scene: score pop-ups that rise
// and fade out in a second, and messages that fade in and out in three.
#include <gtest/gtest.h>

#include "game/SceneTextList.h"

namespace {

const OColor4 kBlue{0.1f, 0.1f, 0.8f, 1.0f};

TEST(SceneTextListTest, AScorePopUpRisesAndFadesOutInASecond) {
  SceneTextList list(SceneTextList::Kind::Floating, nullptr);
  list.Add("250", {1.0f, 2.0f, 3.0f}, kBlue, 8.0f);
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

  list.Add("100", {0, 0, 0}, kBlue, 8.0f);
  list.Add("150", {0, 0, 0}, kBlue, 8.0f);
  list.Clear();
  EXPECT_EQ(list.Size(), 0u);
}

TEST(SceneTextListTest, AMessageStandsStillAndFadesInAndOutAgain) {
  SceneTextList list(SceneTextList::Kind::Long, nullptr);
  list.Add("Level Completed", {-42.0f, -13.0f, 0.0f}, kBlue, 12.0f);
  list.Update(0);
  EXPECT_NEAR(list.At(0).colour.a, 0.0f, 0.001f);
  list.Update(1500);
  list.Update(0);
  EXPECT_NEAR(list.At(0).colour.a, 1.0f, 0.001f) << "full half way";
  EXPECT_FLOAT_EQ(list.At(0).transform[13], -13.0f);
  list.Update(750);
  list.Update(0);
  EXPECT_NEAR(list.At(0).colour.a, 0.5f, 0.001f);
  list.Update(750);
  ASSERT_EQ(list.Size(), 1u);
  list.Update(1);
  EXPECT_EQ(list.Size(), 0u);
}

}  // namespace
