// The help screen on the real application: turning pages with the arrows,
// which stop at both ends, leaving by the menu button or Escape, and the
// goodies' models that only their page shows.
#include <gtest/gtest.h>

#include "GameScreenFixture.h"
#include "app/OScreenList.h"
#include "audio/GameSounds.h"
#include "screens/OHelpWindow.h"

namespace {

class HelpWindowTest : public GameScreenFixture {
 protected:
  void SetUp() override {
    GameScreenFixture::SetUp();
    if (HasFatalFailure() || IsSkipped()) {
      return;
    }
    auto help = std::make_unique<OHelpWindow>();
    help->SetBackground("nongameback.jpg");
    help_ = help.get();
    application_->Screens().AddWindow(std::move(help));
    application_->Screens().SetActiveWindow(OHelpWindow::kIdentifier);
  }

  void ClickNext() { Click(LayoutPoint(307, 46)); }
  void ClickPrevious() { Click(LayoutPoint(205, 46)); }

  std::vector<std::uint8_t> PictureOfPage(std::uint32_t page) {
    while (help_->Page() < page) {
      help_->OnCommand(OHelpWindow::kNextPage, 1);
    }
    while (help_->Page() > page) {
      help_->OnCommand(OHelpWindow::kPreviousPage, 1);
    }
    DrawFrame();
    return application_->picture;
  }

  OHelpWindow* help_ = nullptr;
};

TEST_F(HelpWindowTest, ArrowsTurnThePagesAndStopAtBothEnds) {
  ClickPrevious();
  EXPECT_EQ(help_->Page(), OHelpWindow::kOverviewPage);
  EXPECT_TRUE(application_->sounds.empty()) << "the back arrow is off on the first page";

  for (std::uint32_t page :
       {OHelpWindow::kGameTypesPage, OHelpWindow::kGoodiesPage, OHelpWindow::kCreditsPage}) {
    ClickNext();
    EXPECT_EQ(help_->Page(), page);
    EXPECT_EQ(ActiveScreen(), OHelpWindow::kIdentifier);
  }
  EXPECT_EQ(application_->sounds, std::vector<std::int32_t>(3, GameSounds::kAction));

  ClickNext();
  EXPECT_EQ(help_->Page(), OHelpWindow::kCreditsPage);
  EXPECT_EQ(application_->sounds.size(), 3U) << "the forward arrow is off on the last page";

  ClickPrevious();
  EXPECT_EQ(help_->Page(), OHelpWindow::kGoodiesPage);
  ClickNext();
  EXPECT_EQ(help_->Page(), OHelpWindow::kCreditsPage) << "the forward arrow works again once back";
}

TEST_F(HelpWindowTest, TheMenuButtonStartsOverButEscapeKeepsThePage) {
  help_->OnCommand(OHelpWindow::kNextPage, 1);
  help_->OnCommand(OHelpWindow::kNextPage, 1);
  application_->sounds.clear();
  PressKey(27);
  EXPECT_EQ(ActiveScreen(), kMenu);
  EXPECT_TRUE(application_->sounds.empty()) << "Escape leaves quietly";
  application_->Screens().SetActiveWindow(OHelpWindow::kIdentifier);
  EXPECT_EQ(help_->Page(), OHelpWindow::kGoodiesPage);

  Click(LayoutPoint(256, 46));
  EXPECT_EQ(ActiveScreen(), kMenu);
  EXPECT_EQ(application_->sounds, std::vector<std::int32_t>{GameSounds::kAction});
  application_->Screens().SetActiveWindow(OHelpWindow::kIdentifier);
  EXPECT_EQ(help_->Page(), OHelpWindow::kOverviewPage);
  ClickPrevious();
  EXPECT_EQ(help_->Page(), OHelpWindow::kOverviewPage) << "the back arrow is off again";

  help_->OnCommand(GameRenderWindow::kQuitCommand, 1);
  EXPECT_TRUE(QuitPosted());
  EXPECT_EQ(application_->sounds.back(), GameSounds::kClick);
}

TEST_F(HelpWindowTest, OnlyTheGoodiesPageShowsTheModels) {
  const auto overview = PictureOfPage(OHelpWindow::kOverviewPage);
  const auto gameTypes = PictureOfPage(OHelpWindow::kGameTypesPage);
  const auto goodies = PictureOfPage(OHelpWindow::kGoodiesPage);
  const auto credits = PictureOfPage(OHelpWindow::kCreditsPage);
  if (HasFailure()) {
    return;
  }
  for (int line : {2, 7, 11, 14, 17, 21}) {
    SCOPED_TRACE(line);
    EXPECT_GT(ChangedAround(overview, goodies, 65.0f, 412.0f - 14.4f * line, 8.0f), 40);
  }
  // Left of where the other pages' text begins, the red colour bomb stands out.
  const float colourBombY = 412.0f - 14.4f * 7;
  EXPECT_GT(ChangedAround(overview, goodies, 35.0f, colourBombY, 5.0f), 40);
  EXPECT_LT(ChangedAround(overview, gameTypes, 35.0f, colourBombY, 5.0f), 5);
  EXPECT_LT(ChangedAround(overview, credits, 35.0f, colourBombY, 5.0f), 5);
}

}  // namespace
