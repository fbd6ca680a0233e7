// Sprites: frames advance one per frame duration, finish or loop, pick their
// cell of the texture grid, and leave the list when they are done.
#include <gtest/gtest.h>

#include "TextureTest.h"
#include "gfx/OClip.h"
#include "gfx/OClipList.h"

namespace {

TEST(OClip, PlaysEachFrameForItsDurationThenFinishes) {
  OClip clip;
  clip.lastFrame = 2;
  clip.Update(50);
  EXPECT_EQ(clip.frame, 0) << "a frame lasts until its duration is passed, not reached";
  clip.Update(1);
  EXPECT_EQ(clip.frame, 1);
  clip.Update(1000);
  EXPECT_EQ(clip.frame, 2) << "one frame per update however long the update";
  EXPECT_FALSE(clip.Finished());
  clip.Update(1);
  EXPECT_TRUE(clip.Finished());
}

TEST(OClip, ASingleFrameClipFinishesOnItsFirstUpdate) {
  OClip clip;
  clip.Update(0);
  EXPECT_TRUE(clip.Finished());
}

TEST(OClip, ALoopingClipStartsAgainAfterItsLastFrame) {
  OClip clip;
  clip.loops = true;
  clip.lastFrame = 1;
  clip.Update(51);
  EXPECT_EQ(clip.frame, 1);
  clip.Update(10);
  EXPECT_EQ(clip.frame, 0);
  EXPECT_FALSE(clip.Finished());
}

TEST(OClip, FramesAreNumberedRowByRowAcrossTheGrid) {
  OClip clip;
  clip.columns = 4;
  clip.rows = 2;
  EXPECT_EQ(clip.FrameCorner(5), (std::array<float, 2>{0.25f, 0.5f}));
  EXPECT_EQ(clip.FrameCorner(3), (std::array<float, 2>{0.75f, 0.0f}));
}

TEST(OClipList, DropsFinishedClipsAndKeepsTheOrderOfTheRest) {
  OClipList list;
  for (const std::int32_t last : {0, 3, 0, 5}) {
    auto clip = std::make_unique<OClip>();
    clip->lastFrame = last;
    list.Add(std::move(clip));
  }
  list.UpdateAll(10);
  ASSERT_EQ(list.Size(), 2u);
  EXPECT_EQ(list[0].lastFrame, 3);
  EXPECT_EQ(list[1].lastFrame, 5);
}

}  // namespace

namespace {

// Rows in file order: for a TGA the first row is the bottom of the texture.
class OClipDrawTest : public TextureTest {};

TEST_F(OClipDrawTest, DrawsTheCurrentFrameFromItsGridCell) {
  TextureArchive archive({{"Sheet.tga", TgaFile({"RG", "BY"})}});
  OClip clip;
  clip.SetTexture("Sheet.tga");
  clip.columns = 2;
  clip.rows = 2;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const std::pair<std::int32_t, char> frames[] = {{0, 'R'}, {1, 'G'}, {2, 'B'}, {3, 'Y'}};
  for (const auto& [frame, letter] : frames) {
    SCOPED_TRACE(frame);
    clip.frame = frame;
    clip.Draw();
    EXPECT_TRUE(ColourNear(context_.PixelAt(32, 32), letter, 10));
  }
  clip.texture->Clear();
}

}  // namespace
