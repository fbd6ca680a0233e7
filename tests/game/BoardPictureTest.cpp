// The board as the player sees it, drawn from the generated assets: the skin
// on the blocks, the circles and the arrow of the ring under the pointer, and a
// burst of sparks. Set TORNET_BOARD_SHOT to a file name to keep the picture.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>

#include "BoardScene.h"
#include "app/OConfig.h"
#include "game/EffectList.h"
#include "game/Explosion.h"
#include "game/RingArrows.h"
#include "gfx/OClipList.h"

namespace {

// The pointer over ring position 6, left or right of the board's axis.
constexpr int kLeftOfAxis = 250;
constexpr int kRightOfAxis = 390;
constexpr int kOverRingSix = 170;

using Pixels = std::vector<std::uint8_t>;
using Rgba = std::array<std::uint8_t, 4>;

// Pixels in the box from (left, top) to (right, bottom), y down from the top, that pass the test.
template <typename Test>
int Count(const Pixels& pixels, int left, int top, int right, int bottom, Test test) {
  int count = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const std::uint8_t* p = &pixels[((BoardScene::kHeight - 1 - y) * BoardScene::kWidth + x) * 4];
      count += test(Rgba{p[0], p[1], p[2], p[3]}) ? 1 : 0;
    }
  }
  return count;
}

bool White(const Rgba& p) { return p[0] > 235 && p[1] > 235 && p[2] > 235; }
bool Orange(const Rgba& p) { return p[0] > 160 && p[1] > 80 && p[2] < 110; }
bool Red(const Rgba& p) { return p[0] > 150 && p[1] < 110 && p[2] < 110; }

class BoardPictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scene_.Context().Ok()) << scene_.Context().Error();
    OConfig::Instance().skin = "scr.tga";
    Block::LoadSkin();
    scene_.Deal(BoardScene::FullBoard());
    arrows_ = std::make_unique<RingArrows>(clips_);
    scene_.Harness().Manager().SetArrows(arrows_.get());
  }
  void TearDown() override {
    EffectList::Instance().Clear();
    scene_.Harness().Manager().SetArrows(nullptr);
  }

  std::vector<std::uint8_t> Draw() {
    scene_.BeginFrame(0.1f, 0.1f, 0.25f);
    scene_.Harness().Board().Draw();
    EffectList::Instance().DrawAll();
    clips_.DrawAll(scene_.Camera());
    return scene_.Context().ReadPixels();
  }

  BoardScene scene_;
  OClipList clips_;
  std::unique_ptr<RingArrows> arrows_;
};

TEST_F(BoardPictureTest, TheArrowStandsOnThePointersSideAndPointsTheWayTheRingTurns) {
  BoardHarness& game = scene_.Harness();
  const Ring& ring = game.Board().RingAt(6);

  // The camera sees the world's +x on the right of the screen.
  game.Send(BoardScene::Pointer(kLeftOfAxis, kOverRingSix));
  ASSERT_EQ(game.Board().ActiveRing(), game.Board().SlotOf(ring));
  EXPECT_EQ(ring.Direction(), 1);
  ASSERT_NE(arrows_->ArrowOf(ring), nullptr);
  EXPECT_EQ(arrows_->ArrowOf(ring)->texture->Name(), "LeftArrow.Tga");
  EXPECT_LT(arrows_->ArrowOf(ring)->transform[12], -ring.Radius());

  game.Send(BoardScene::Pointer(kRightOfAxis, kOverRingSix));
  EXPECT_EQ(ring.Direction(), -1);
  EXPECT_EQ(arrows_->ArrowOf(ring)->texture->Name(), "RightArrow.Tga");
  EXPECT_GT(arrows_->ArrowOf(ring)->transform[12], ring.Radius());
  EXPECT_EQ(clips_.Size(), 2u) << "the old arrow plays out before it goes";
  for (int frame = 0; frame < 20; ++frame) {
    clips_.UpdateAll(50);
  }
  EXPECT_EQ(clips_.Size(), 1u);
  EXPECT_EQ(clips_[0].texture->Name(), "RightArrow.Tga");

  // Turning, the ring keeps its direction and its arrow wherever the pointer goes.
  game.Send(OEvent::Mouse(OEvent::kButtonDown, OEvent::kRight, 0, kRightOfAxis, kOverRingSix));
  game.Send(BoardScene::Pointer(kLeftOfAxis, kOverRingSix));
  EXPECT_EQ(ring.Direction(), -1);
  EXPECT_EQ(arrows_->ArrowOf(ring)->texture->Name(), "RightArrow.Tga");
}

TEST_F(BoardPictureTest, TurningByPlusOneCarriesTheFrontToTheLeft) {
  Ring& ring = scene_.Harness().Board().RingAt(6);
  const OEvent front = BoardScene::Pointer(BoardScene::kWidth / 2, kOverRingSix);
  const OEvent rightOfFront = BoardScene::Pointer(BoardScene::kWidth / 2 + 40, kOverRingSix);
  const std::int16_t comingIn = scene_.Picker().Pick(ring, rightOfFront);
  ASSERT_NE(comingIn, scene_.Picker().Pick(ring, front));

  ring.StartTurning(1, 180.0f);
  ring.SetTurnState(RingTurn::Stopping);
  for (int frame = 0; frame < 20 && ring.TurnState() != RingTurn::Still; ++frame) {
    ring.Update(16);
  }
  EXPECT_EQ(scene_.Picker().Pick(ring, front), comingIn);
}

TEST_F(BoardPictureTest, ABoardWithCirclesAnArrowAndSparks) {
  BoardHarness& game = scene_.Harness();
  Block& blown = game.Board().RingAt(2).BlockAtColumn(1);
  blown.state = BlockState::Gone;
  const Pixels plain = Draw();

  game.Send(BoardScene::Pointer(kLeftOfAxis, kOverRingSix));
  clips_.UpdateAll(120);
  // A block at the front of a lower ring has just blown up in red sparks.
  auto explosion = std::make_unique<Explosion>();
  explosion->origin = blown.GetWorldPosition();
  explosion->AddParticles(Explosion::kMaxParticles, kRed);
  explosion->Update(16.0);
  explosion->Update(120.0);
  EffectList::Instance().Add(std::move(explosion));

  const Pixels pixels = Draw();

  // The ring under the pointer is framed in white lines from side to side.
  const int ringTop = kOverRingSix - 40;
  const int ringBottom = kOverRingSix + 40;
  EXPECT_GT(Count(pixels, 200, ringTop, 440, ringBottom, White),
            Count(plain, 200, ringTop, 440, ringBottom, White) + 300);
  // Its arrow stands left of the board, on the pointer's side, and nowhere else.
  EXPECT_GT(Count(pixels, 130, ringTop, 210, ringBottom, Orange), 50);
  EXPECT_EQ(Count(pixels, 430, 0, 640, 480, Orange), 0);
  EXPECT_EQ(Count(plain, 0, 0, 210, 480, Orange), 0);
  // The sparks show in front of the hole the block left.
  EXPECT_GT(Count(pixels, 230, 270, 330, 350, Red), Count(plain, 230, 270, 330, 350, Red) + 50);

  if (const char* shot = std::getenv("TORNET_BOARD_SHOT")) {
    BoardScene::SavePicture(pixels, shot);
  }
}

}  // namespace
