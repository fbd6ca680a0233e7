// The Breakdown screen on the real application: the supply ring filling and
// pushing rows, a click on it, a level completed and the next one started, and
// a game lost with the rings bursting.
#include <cstdlib>
#include <string>
#include <vector>

#include "GameScreenFixture.h"
#include "game/BoardPicture.h"
#include "game/CollapseCylinder.h"
#include "game/LevelRules.h"
#include "game/SupRing.h"
#include "screens/CollapseWindow.h"

namespace {

class CollapseWindowTest : public GameScreenFixture {
 protected:
  CollapseWindow& Play() {
    CollapseWindow& screen = Show<CollapseWindow>();
    FinishIntro(screen);
    return screen;
  }

  static void EmptyBoard(CollapseWindow& screen) {
    BoardPicture::Paint(*screen.Board(), std::vector<std::string>(10, std::string(20, '.')));
  }

  // The pointer over the supply ring where the board does not hide it.
  Pixel PointAtSupply(CollapseWindow& screen) {
    const std::optional<Pixel> found = FindPointer([&screen] { return screen.Supply().highlighted; });
    EXPECT_TRUE(found.has_value()) << "the supply ring is under no pixel";
    return found.value_or(Pixel{0, 0});
  }

  // Clicks the supply ring on an emptied board, so the game goes on, and lets the row settle.
  void PushRowNow(CollapseWindow& screen) {
    EmptyBoard(screen);
    // The supply ring turns but stays where it hangs, so the first pixel found serves every click.
    if (!supplyPixel_) {
      supplyPixel_ = PointAtSupply(screen);
    }
    Click(*supplyPixel_);
    FinishMove(screen);
  }

  std::optional<Pixel> supplyPixel_;
};

TEST_F(CollapseWindowTest, TheSupplyRingFillsAndPushesRowsUp) {
  CollapseWindow& screen = Show<CollapseWindow>();
  EXPECT_EQ(screen.LevelText(), "1");
  EXPECT_EQ(screen.RowsLeftText(), "25");
  EXPECT_EQ(screen.ScoreText(), "0");
  DrawFrame();
  FinishIntro(screen);
  const std::string dealt = BoardPicture::Of(*screen.Board());

  ASSERT_TRUE(RunUntil([&screen] { return screen.Supply().Filled() > 0; }));
  ASSERT_TRUE(RunUntil([&screen] { return screen.CollapseRules().RowsPushed() == 1; }));
  FinishMove(screen);
  EXPECT_NE(BoardPicture::Of(*screen.Board()), dealt);
  EXPECT_EQ(screen.RowsLeftText(), "24");
  DrawFrame();
  if (const char* shot = std::getenv("TORNET_BREAKDOWN_SHOT")) {
    SavePicture(application_->picture, shot);
  }
}

TEST_F(CollapseWindowTest, AClickOnTheSupplyRingPushesARowAtOnce) {
  CollapseWindow& screen = Play();
  Click(PointAtSupply(screen));
  EXPECT_EQ(screen.CollapseRules().RowsPushed(), 1);
  EXPECT_EQ(screen.RowsLeftText(), "24");
  FinishMove(screen);
  EXPECT_EQ(screen.Board()->State(), BoardState::Idle);
}

TEST_F(CollapseWindowTest, ALevelCompletesCountsAndTheNextOneStarts) {
  CollapseWindow& screen = Play();
  const std::uint32_t rows = LevelRules::For(1).rowsToClear;
  for (std::uint32_t row = 0; row < rows; ++row) {
    PushRowNow(screen);
  }
  EXPECT_EQ(screen.RowsLeftText(), "0");
  EmptyBoard(screen);
  ASSERT_TRUE(RunUntil([&screen] { return screen.Rules().LevelDone(); }));
  ASSERT_GT(screen.LongTexts().Size(), 0u);
  EXPECT_EQ(screen.LongTexts().At(0).text, "Level Completed");
  const std::uint32_t score = screen.Rules().Score();

  // The new board may take the old one's place in memory, so the level's number tells.
  ASSERT_TRUE(RunUntil([&screen] { return screen.LevelText() == "2"; }));
  EXPECT_GT(screen.Rules().Score(), score) << "the empty cells were counted";
  EXPECT_EQ(screen.ScoreText(), std::to_string(screen.Rules().Score()));
  EXPECT_EQ(screen.LevelText(), "2");
  EXPECT_EQ(screen.RowsLeftText(), std::to_string(LevelRules::For(2).rowsToClear));
  EXPECT_EQ(screen.Board()->State(), BoardState::Intro) << "the next board drops in";
  DrawFrame();
  FinishIntro(screen);
}

TEST_F(CollapseWindowTest, WithoutInputTheGameIsLostAndTheRingsBurst) {
  CollapseWindow& screen = Play();
  ASSERT_TRUE(RunUntil([&screen] { return screen.Board()->State() == BoardState::Smashing; }, 50));
  DrawFrame();
  ASSERT_TRUE(RunUntil([this] { return ActiveScreen() == kScoreScreen; }));
  EXPECT_EQ(screen.Board()->State(), BoardState::GameOver);
}

TEST_F(CollapseWindowTest, AStartLevelOutsideTheTableStartsAtItsNearestEnd) {
  struct Case {
    std::int32_t setting;
    const char* shown;
  };
  for (const Case& start : {Case{0, "1"}, Case{-3, "1"}, Case{4, "4"}, Case{11, "10"}, Case{1000, "10"}}) {
    SCOPED_TRACE(testing::Message() << "start level " << start.setting);
    OConfig::Instance().startLevel = start.setting;
    CollapseWindow& screen = Show<CollapseWindow>();
    EXPECT_EQ(screen.LevelText(), start.shown);
    application_->Screens().SetActiveWindow(kMenu);
    std::unique_ptr<ORenderWindow> done = application_->Screens().RemoveWindow(&screen);
  }
}

}  // namespace
