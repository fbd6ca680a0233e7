// The options screen and its skill-change question on the real application,
// clicked where the player sees the controls: live previews and what cancel
// puts back, what ok applies and writes, and the question during a game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "GameScreenFixture.h"
#include "app/OScreenList.h"
#include "assetgen/ModFile.h"
#include "assetgen/Tunes.h"
#include "audio/OMusicList.h"
#include "game/Block.h"
#include "screens/GameTypeWindow.h"
#include "screens/OConfigWindow.h"
#include "screens/WarningWindow.h"

namespace {

constexpr std::uint16_t kEscape = 27;

class OptionsTest : public GameScreenFixture {
 protected:
  void SetUp() override {
    GameScreenFixture::SetUp();
    if (HasFatalFailure() || IsSkipped()) {
      return;
    }
    OScreenList& screens = application_->Screens();
    auto gameType = std::make_unique<GameTypeWindow>();
    gameType_ = gameType.get();
    screens.AddWindow(std::move(gameType));
    MakeOptions();
    screens.AddWindow(std::make_unique<WarningWindow>());
    screens.SetActiveWindow(OConfigWindow::kIdentifier);
    DrawFrame();
  }

  void TearDown() override {
    if (application_ != nullptr) {
      application_->Music().Stop();
      application_->Music().currentList = nullptr;
    }
    GameScreenFixture::TearDown();
  }

  void MakeOptions() {
    auto options = std::make_unique<OConfigWindow>();
    options->SetBackground("nongameback.jpg");
    options_ = options.get();
    application_->Screens().AddWindow(std::move(options));
  }

  void ClickAt(float x, float y) { Click(LayoutPoint(x, y)); }
  void Ok() { ClickAt(180, 50); }
  void Cancel() { ClickAt(300, 50); }
  void Reopen() { application_->Screens().SetActiveWindow(OConfigWindow::kIdentifier); }

  std::vector<std::string> SettingsLines() const {
    std::ifstream file(config_.fileName);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
      lines.push_back(line);
    }
    return lines;
  }

  GameTypeWindow* gameType_ = nullptr;
  OConfigWindow* options_ = nullptr;
  OMusicList tunes_;
};

TEST_F(OptionsTest, MusicIsHeardAsChosenAndCancelPutsItBack) {
  tunes_.modules = {EncodeMod(LefolyTune())};
  OMusic& music = application_->Music();
  music.currentList = &tunes_;
  music.Start();
  ASSERT_TRUE(music.playing);
  const int volume = music.GetVolume();

  ClickAt(318, 305);
  EXPECT_LT(music.GetVolume(), volume) << "the left of the rail is quieter, at once";
  EXPECT_EQ(music.GetVolume(), options_->Pending().musicVolume);
  Cancel();
  EXPECT_EQ(ActiveScreen(), kMenu);
  EXPECT_EQ(music.GetVolume(), volume);

  Reopen();
  ClickAt(175, 305);
  EXPECT_FALSE(music.playing);
  Cancel();
  EXPECT_TRUE(music.playing) << "cancel starts the music again";

  Reopen();
  ClickAt(175, 305);
  Ok();
  EXPECT_FALSE(music.playing);
  EXPECT_FALSE(application_->Config().musicOn);
  EXPECT_EQ(SettingsLines().at(6), "0");
}

TEST_F(OptionsTest, ANewSkinShowsOnTheBlocksAtOnce) {
  ASSERT_EQ(Block::Skin().Name(), "scr.tga");
  ClickAt(275, 105);
  EXPECT_EQ(Block::Skin().Name(), "dom.tga") << "the next skin by number";
  PressKey(kEscape);
  EXPECT_EQ(ActiveScreen(), kMenu);
  EXPECT_EQ(Block::Skin().Name(), "scr.tga") << "Escape cancels";

  Reopen();
  ClickAt(275, 105);
  ClickAt(275, 105);
  Ok();
  EXPECT_EQ(Block::Skin().Name(), "col.tga");
  EXPECT_EQ(SettingsLines().at(12), "col.tga");
}

TEST_F(OptionsTest, ASkinNamedNowhereIsKeptUntilThePlayerPicksOne) {
  application_->Screens().RemoveWindow(options_);
  application_->Config().skin = "old.tga";
  MakeOptions();
  EXPECT_EQ(options_->Committed().skin, -1);
  EXPECT_EQ(Block::Skin().Name(), "wea.tga") << "the first skin is worn";
  application_->Screens().SetActiveWindow(OConfigWindow::kIdentifier);
  Ok();
  EXPECT_EQ(SettingsLines().at(12), "old.tga");
}

TEST_F(OptionsTest, OkWritesTheSettingsEvenWhenNothingChanged) {
  std::filesystem::remove(config_.fileName);
  Ok();
  EXPECT_EQ(ActiveScreen(), kMenu);
  EXPECT_EQ(SettingsLines().size(), 13u);
}

TEST_F(OptionsTest, OkAppliesAndWritesTheGameSettings) {
  ClickAt(348, 205);  // Normal
  ClickAt(275, 180);  // show groups off
  ClickAt(313, 141);  // start from level 5
  ClickAt(318, 325);  // quieter effects
  const int soundVolume = options_->Pending().soundVolume;
  Ok();
  const std::vector<std::string> lines = SettingsLines();
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[7], std::to_string(soundVolume));
  EXPECT_EQ(lines[9], "1");
  EXPECT_EQ(lines[10], "0");
  EXPECT_EQ(lines[11], "5");
  const OConfig& rules = OConfig::Instance();
  EXPECT_EQ(rules.skill, 1);
  EXPECT_FALSE(rules.showGroups);
  EXPECT_EQ(rules.startLevel, 5);
  EXPECT_EQ(application_->Sound().Volume(), static_cast<std::uint32_t>(soundVolume));
}

TEST_F(OptionsTest, TheLoudestStepIsTheLoudestVolume) {
  ClickAt(397, 325);
  EXPECT_EQ(options_->Pending().soundVolume, 65535);
  EXPECT_EQ(application_->Sound().Volume(), 65535u);
}

TEST_F(OptionsTest, TheDisplayInForceIsReadAgainOnEveryVisit) {
  Cancel();
  // As the window's full-screen button leaves it, behind this screen's back.
  application_->SetFullScreen(1);
  Reopen();
  EXPECT_TRUE(options_->Committed().fullScreen);
  EXPECT_TRUE(options_->Pending().fullScreen);
  application_->SetFullScreen(0);
}

TEST_F(OptionsTest, TheSkillQuestionKeepsTheDisplayChoicesButSeesTheDisplayInForce) {
  gameType_->OnCommand(GameTypeWindow::kRemover, 1);
  Reopen();
  ClickAt(295, 385);  // full screen on
  ClickAt(348, 205);  // Normal
  ASSERT_EQ(ActiveScreen(), WarningWindow::kIdentifier);
  Ok();
  EXPECT_TRUE(options_->Pending().fullScreen) << "the player's choice survives the question";
  EXPECT_FALSE(options_->Committed().fullScreen);

  Cancel();
  Reopen();
  ClickAt(348, 205);
  ASSERT_EQ(ActiveScreen(), WarningWindow::kIdentifier);
  application_->SetFullScreen(1);  // the window's button, pressed on the question
  PressKey(kEscape);
  EXPECT_TRUE(options_->Committed().fullScreen);
  EXPECT_TRUE(options_->Pending().fullScreen) << "ok would otherwise leave full screen";
  application_->SetFullScreen(0);
}

TEST_F(OptionsTest, ChoosingASkillShowsGroupsAgain) {
  ClickAt(275, 180);
  EXPECT_FALSE(options_->Pending().showGroups);
  ClickAt(348, 205);
  EXPECT_TRUE(options_->Pending().showGroups);
  EXPECT_EQ(ActiveScreen(), OConfigWindow::kIdentifier) << "no game, no question";
  ClickAt(275, 180);
  EXPECT_FALSE(options_->Pending().showGroups) << "the box showed its check again, so a click clears it";
}

TEST_F(OptionsTest, ASkillChangeDuringAGameIsAskedAboutAndOkEndsTheGame) {
  gameType_->OnCommand(GameTypeWindow::kRemover, 1);
  Reopen();
  ClickAt(348, 205);
  ASSERT_EQ(ActiveScreen(), WarningWindow::kIdentifier);
  Cancel();
  EXPECT_EQ(ActiveScreen(), OConfigWindow::kIdentifier);
  EXPECT_EQ(options_->Pending().skill, 0) << "cancel takes the choice back";

  ClickAt(348, 205);
  PressKey(kEscape);
  EXPECT_EQ(ActiveScreen(), OConfigWindow::kIdentifier);
  EXPECT_EQ(options_->Pending().skill, 1) << "Escape keeps the choice";
  ClickAt(255, 205);
  EXPECT_EQ(ActiveScreen(), OConfigWindow::kIdentifier) << "the skill in force needs no question";

  ClickAt(348, 205);
  Ok();
  EXPECT_EQ(ActiveScreen(), OConfigWindow::kIdentifier);
  EXPECT_TRUE(gameType_->GameInProgress()) << "nothing is applied on the question";
  Ok();
  EXPECT_FALSE(gameType_->GameInProgress());
  EXPECT_EQ(OConfig::Instance().skill, 1);
}

}  // namespace
