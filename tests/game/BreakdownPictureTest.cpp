// The Breakdown board as the player sees it: the supply ring hangs under the
// board, takes the pointer only below it, shows its circles while the pointer
// is over it, and the goodies show their own models. Set TORNET_BREAKDOWN_SHOT
// to a file name to keep the picture.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <numbers>

#include "BoardScene.h"
#include "BreakdownHarness.h"
#include "app/OConfig.h"
#include "game/GoodyTemplates.h"

namespace {

using Pixels = std::vector<std::uint8_t>;

// Pixels in the rows from top to bottom, y down from the top, that pass the test.
template <typename Test>
int CountPixels(const Pixels& pixels, int top, int bottom, Test test) {
  int count = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = 0; x < BoardScene::kWidth; ++x) {
      count += test(&pixels[((BoardScene::kHeight - 1 - y) * BoardScene::kWidth + x) * 4]) ? 1 : 0;
    }
  }
  return count;
}

// The clear colour, (0.1, 0.1, 0.25), give or take the rounding.
bool NotBackground(const std::uint8_t* p) { return std::abs(p[0] - 26) > 4 || std::abs(p[2] - 64) > 4; }
bool White(const std::uint8_t* p) { return p[0] > 235 && p[1] > 235 && p[2] > 235; }

class BreakdownPictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scene_.Context().Ok()) << scene_.Context().Error();
    OConfig::Instance().skin = "scr.tga";
    Block::LoadSkin();
    GoodyTemplates::Instance().LoadModels();
    game_ = std::make_unique<BreakdownHarness>();
    CollapseCylinder& board = game_->Board();
    board.transform[14] = 30.0f;
    board.RotateLocalX(-std::numbers::pi_v<float> / 2.0f);
    board.SetPicker(&scene_.Picker());
    game_->FinishIntro();
  }
  void TearDown() override { game_.reset(); }

  Pixels Draw() {
    scene_.BeginFrame(0.1f, 0.1f, 0.25f);
    game_->Board().Draw();
    return scene_.Context().ReadPixels();
  }

  // The highest pointer row in the middle of the picture where the screen gives the supply ring the pointer.
  int SupplyRow() {
    int row = -1;
    for (int y = BoardScene::kHeight - 1; y >= 0; --y) {
      game_->Send(BoardScene::Pointer(BoardScene::kWidth / 2, y));
      if (game_->Supply().highlighted) {
        row = y;
      }
    }
    return row;
  }

  BoardScene scene_;
  std::unique_ptr<BreakdownHarness> game_;
};

TEST_F(BreakdownPictureTest, TheSupplyRingHangsUnderTheBoardAndTakesThePointerThere) {
  const Pixels empty = Draw();
  const int supplyRow = SupplyRow();
  ASSERT_GT(supplyRow, 380) << "the supply ring takes the pointer below the board";
  game_->Send(BoardScene::Pointer(BoardScene::kWidth / 2, 300));
  EXPECT_NE(game_->Board().ActiveRing(), -1);
  EXPECT_FALSE(game_->Supply().HitTest(BoardScene::Pointer(BoardScene::kWidth / 2, supplyRow)))
      << "while the pointer is on the board, the supply ring does not take it";
  game_->Send(BoardScene::Pointer(BoardScene::kWidth / 2, 20));
  EXPECT_FALSE(game_->Supply().highlighted);

  // A full row with a goody in front.
  game_->Step(1, 20 * 301);
  Ring& supply = game_->Supply();
  supply.ReplaceBlock(supply.IndexOfColumn(0), GoodyTemplates::Instance().Find("BombBonus")->Clone());
  const Pixels filled = Draw();
  EXPECT_GT(CountPixels(filled, supplyRow - 10, BoardScene::kHeight, NotBackground),
            CountPixels(empty, supplyRow - 10, BoardScene::kHeight, NotBackground) + 2000);

  game_->Send(BoardScene::Pointer(BoardScene::kWidth / 2, supplyRow));
  ASSERT_TRUE(game_->Supply().highlighted);
  const Pixels circled = Draw();
  EXPECT_GT(CountPixels(circled, supplyRow - 30, BoardScene::kHeight, White),
            CountPixels(filled, supplyRow - 30, BoardScene::kHeight, White) + 300);

  if (const char* shot = std::getenv("TORNET_BREAKDOWN_SHOT")) {
    BoardScene::SavePicture(circled, shot);
  }
}

}  // namespace
