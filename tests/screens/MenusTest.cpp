// The main menu and the game-type screen on the real application: starting,
// continuing and discarding games, Escape on each, and the continue button
// that comes and goes with the game in progress.
#include <gtest/gtest.h>

#include "GameScreenFixture.h"
#include "app/OScreenList.h"
#include "audio/GameSounds.h"
#include "platform/Events.h"
#include "screens/CollapseWindow.h"
#include "screens/GameTypeWindow.h"
#include "screens/OMenuWindow.h"
#include "screens/RemoverWindow.h"
#include "ui/OEvent.h"

namespace {

class MenusTest : public GameScreenFixture {
 protected:
  void SetUp() override {
    GameScreenFixture::SetUp();
    if (HasFatalFailure() || IsSkipped()) {
      return;
    }
    OScreenList& screens = application_->Screens();
    // The real menu takes the place of the plain one.
    screens.RemoveWindow(screens.FindWindow(kMenu));
    auto menu = std::make_unique<OMenuWindow>();
    menu_ = menu.get();
    screens.AddWindow(std::move(menu));
    auto gameType = std::make_unique<GameTypeWindow>();
    gameType_ = gameType.get();
    screens.AddWindow(std::move(gameType));
    screens.SetActiveWindow(kMenu);
  }

  OMenuWindow* menu_ = nullptr;
  GameTypeWindow* gameType_ = nullptr;
};

TEST_F(MenusTest, ContinueComesWithTheGameAndResumesIt) {
  EXPECT_FALSE(menu_->HasContinueButton());
  menu_->OnCommand(OMenuWindow::kNewGame, 1);
  EXPECT_EQ(ActiveScreen(), GameTypeWindow::kIdentifier);
  gameType_->OnCommand(GameTypeWindow::kRemover, 1);
  EXPECT_EQ(ActiveScreen(), RemoverWindow::kIdentifier);
  EXPECT_TRUE(gameType_->GameInProgress());
  ORenderWindow* game = application_->Screens().FindWindow(RemoverWindow::kIdentifier);

  application_->Screens().SetActiveWindow(kMenu);
  EXPECT_TRUE(menu_->HasContinueButton());
  menu_->OnCommand(OMenuWindow::kContinue, 1);
  EXPECT_EQ(ActiveScreen(), RemoverWindow::kIdentifier);
  EXPECT_EQ(application_->Screens().FindWindow(RemoverWindow::kIdentifier), game) << "the same game";

  gameType_->DiscardGame();
  application_->Screens().SetActiveWindow(kMenu);
  EXPECT_FALSE(menu_->HasContinueButton()) << "a discarded game cannot be continued";
  EXPECT_EQ(application_->Screens().FindWindow(RemoverWindow::kIdentifier), nullptr);
}

TEST_F(MenusTest, StartingRemoverDiscardsTheBreakdownGame) {
  gameType_->OnCommand(GameTypeWindow::kBreakdown, 1);
  ASSERT_NE(gameType_->BreakdownGame(), nullptr);
  application_->Screens().SetActiveWindow(GameTypeWindow::kIdentifier);
  gameType_->OnCommand(GameTypeWindow::kRemover, 1);
  EXPECT_EQ(gameType_->BreakdownGame(), nullptr);
  EXPECT_EQ(application_->Screens().FindWindow(CollapseWindow::kIdentifier), nullptr);
  ASSERT_NE(gameType_->RemoverGame(), nullptr);

  application_->Screens().SetActiveWindow(kMenu);
  menu_->OnCommand(OMenuWindow::kContinue, 1);
  EXPECT_EQ(ActiveScreen(), RemoverWindow::kIdentifier) << "continue resumes the new game";
  EXPECT_EQ(application_->sounds.front(), GameSounds::kAction) << "a mode button plays the action sound";
}

TEST_F(MenusTest, EscapeEndsTheGameOnTheMenuAndGoesBackFromTheGameType) {
  application_->Screens().SetActiveWindow(GameTypeWindow::kIdentifier);
  PressKey(27);
  EXPECT_EQ(ActiveScreen(), kMenu);
  EXPECT_FALSE(QuitPosted());
  PressKey(27);
  EXPECT_TRUE(QuitPosted());
  EXPECT_EQ(application_->sounds.back(), GameSounds::kClick);
}

}  // namespace
