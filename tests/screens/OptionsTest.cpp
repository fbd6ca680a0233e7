// The options screen and its skill-change question on the real application,
// clicked where the player sees the controls: live previews and what cancel
// puts back, what ok applies and writes, and the question during a game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "GameScreenFixture.h"
#include "game/Block.h"
#include "game/Cylinder.h"
#include "game/SkillRules.h"
#include "screens/GameTypeWindow.h"
#include "screens/OConfigWindow.h"
#include "screens/OMenuWindow.h"
#include "screens/RemoverWindow.h"
#include "screens/ScoreWindow.h"
#include "screens/WarningWindow.h"
#include "ui/KeyCodes.h"

namespace {

class OptionsTest : public GameScreenFixture {
 protected:
  void SetUp() override {
    GameScreenFixture::SetUp();
    if (application_ != nullptr) {
      options_ = &Add(std::make_unique<OConfigWindow>());
      Add(std::make_unique<WarningWindow>());
      Reopen();
      DrawFrame();
    }
  }

  void Ok() { ClickAt(180, 50); }
  void Cancel() { ClickAt(300, 50); }
  void Reopen() { Screens().SetActiveWindow(OConfigWindow::kIdentifier); }
  // The settings file, a value a line.
  std::vector<std::string> Saved() const {
    std::ifstream file(config_.fileName);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
      lines.push_back(line);
    }
    return lines;
  }

  OConfigWindow* options_ = nullptr;
};

TEST_F(OptionsTest, EveryControlIsDrawnWhereItIsClicked) {
  const Picture options = DrawFrame();
  Add(std::make_unique<ORenderWindow>(206));
  Screens().SetActiveWindow(206);
  const Picture& plain = DrawFrame();
  // Sliders, check boxes, radio buttons, text stacks, the skin and the buttons.
  for (const auto& [x, y] : {std::pair{345, 305}, {175, 305}, {295, 385}, {348, 205}, {313, 141}, {285, 400},
                             {285, 420}, {275, 105}, {180, 50}, {300, 50}}) {
    EXPECT_GT(ChangedAround(options, plain, x, y, 6), 20) << x << ", " << y;
  }
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
  EXPECT_EQ(Saved().at(12), "col.tga");

  SCOPED_TRACE("a skin named nowhere is kept until the player picks one");
  application_->Config().skin = "old.tga";
  options_ = &Add(std::make_unique<OConfigWindow>());
  EXPECT_EQ(options_->Committed().skin, -1);
  EXPECT_EQ(Block::Skin().Name(), "wea.tga") << "the first skin is worn";
  Reopen();
  Ok();
  EXPECT_EQ(Saved().at(12), "old.tga");
}

TEST_F(OptionsTest, OkAppliesAndWritesTheGameSettingsEvenWhenNothingChanged) {
  std::filesystem::remove(config_.fileName);
  Ok();
  EXPECT_EQ(ActiveScreen(), kMenu);
  EXPECT_EQ(Saved().size(), 13u);

  Reopen();
  ClickAt(348, 205);  // Normal
  ClickAt(275, 180);  // show groups off
  ClickAt(313, 141);  // start from level 5
  ClickAt(397, 325);  // the loudest effects
  Ok();
  const std::vector<std::string> saved = Saved();
  ASSERT_EQ(saved.size(), 13u);
  EXPECT_EQ(saved[7], "65535");
  EXPECT_EQ(std::vector(saved.begin() + 9, saved.begin() + 12), (std::vector<std::string>{"1", "0", "5"}));
  const OConfig& rules = OConfig::Instance();
  EXPECT_EQ(rules.skill, 1);
  EXPECT_FALSE(rules.showGroups);
  EXPECT_EQ(rules.startLevel, 5);
  EXPECT_EQ(application_->Sound().Volume(), 65535u) << "the slider's last step is the loudest volume";
}

// Down walks the rows; Space toggles a check box, Left and Right move a slider
// a step and choose within a radio group; Enter on Ok applies it all.
TEST_F(OptionsTest, TheKeysAloneChangeAndApplyTheSettings) {
  std::filesystem::remove(config_.fileName);
  PressKey(keycode::kDown);
  ASSERT_NE(options_->KeyFocus(), nullptr);
  EXPECT_EQ(options_->KeyFocus()->id, OConfigWindow::kResolution) << "the top row first";
  for (const std::uint16_t key : {keycode::kDown, keycode::kDown, keycode::kDown}) {
    PressKey(key);                           // colour depth, full screen, model details
  }
  EXPECT_EQ(options_->KeyFocus()->id, OConfigWindow::kModelDetail);
  PressKey(keycode::kRight);                 // high detail
  PressKey(keycode::kDown);
  PressKey(keycode::kDown);
  EXPECT_EQ(options_->KeyFocus()->id, OConfigWindow::kSound) << "texture quality, then the sound row";
  PressKey(keycode::kSpace);                 // sound off
  PressKey(keycode::kRight);                 // on to the effects' volume
  EXPECT_EQ(options_->KeyFocus()->id, OConfigWindow::kSoundVolume);
  for (int step = 0; step < 20; ++step) {
    PressKey(keycode::kRight);               // up to the loudest
  }
  PressKey(keycode::kDown);                  // music
  PressKey(keycode::kDown);                  // skill
  PressKey(keycode::kRight);                 // Normal, which takes the focus
  EXPECT_EQ(options_->KeyFocus()->id, OConfigWindow::kNormal);
  PressKey(keycode::kRight);                 // the last of its group: it stays
  EXPECT_EQ(options_->KeyFocus()->id, OConfigWindow::kNormal);
  PressKey(keycode::kUp);
  PressKey(keycode::kUp);
  PressKey(keycode::kUp);                    // a row up from the sound row's volume: texture quality
  EXPECT_EQ(options_->KeyFocus()->id, OConfigWindow::kTextureQuality);
  PressKey(keycode::kLeft);                  // a step down
  for (int row = 0; row < 5; ++row) {
    PressKey(keycode::kUp);                  // round the top to Ok
  }
  PressKey(keycode::kEnter);
  EXPECT_EQ(ActiveScreen(), kMenu);
  const std::vector<std::string> saved = Saved();
  ASSERT_EQ(saved.size(), 13u);
  EXPECT_EQ(saved[3], "9") << "texture quality";
  EXPECT_EQ(saved[4], "2") << "high detail";
  EXPECT_EQ(saved[5], "0") << "sound";
  EXPECT_EQ(saved[7], "65535") << "the loudest effects";
  EXPECT_EQ(saved[9], "1") << "Normal";
}

TEST_F(OptionsTest, OkChangesTheDisplayWhenItsColourDepthOrSizeChanged) {
  ClickAt(285, 400);  // 32 Bit becomes 16 Bit
  Ok();
  EXPECT_EQ(application_->ColourBits(), 16);
  EXPECT_EQ(Saved().at(1), "16");
  Reopen();
  ClickAt(285, 420);  // 800 x 600 becomes 1024 x 768
  Ok();
  EXPECT_EQ(Saved().at(0), "2");
}

TEST_F(OptionsTest, ASkillChangeDuringAGameIsAskedAboutAndOkEndsTheGame) {
  ClickAt(275, 180);
  ClickAt(348, 205);
  EXPECT_TRUE(options_->Pending().showGroups) << "choosing a skill shows groups again";
  EXPECT_EQ(ActiveScreen(), OConfigWindow::kIdentifier) << "no game, no question";
  ClickAt(275, 180);
  EXPECT_FALSE(options_->Pending().showGroups) << "the box showed its check again, so a click clears it";
  Cancel();

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
  Ok();
  EXPECT_TRUE(gameType_->GameInProgress()) << "the skill in force chosen again changes nothing";
  EXPECT_TRUE(menu_->HasContinueButton());
  Reopen();
  ClickAt(348, 205);
  Ok();
  EXPECT_EQ(ActiveScreen(), OConfigWindow::kIdentifier);
  EXPECT_TRUE(gameType_->GameInProgress()) << "nothing is applied on the question";
  Ok();
  EXPECT_FALSE(gameType_->GameInProgress());
  EXPECT_EQ(OConfig::Instance().skill, 1);
}

// A hand-edited settings file: the rules, the heads-up display, this screen
// and the top-ten entry all play and show Easy, and the file keeps its line.
TEST_F(OptionsTest, ASkillNumberTheGameDoesNotKnowIsEasyEverywhere) {
  ScoreWindow& scores = Add(std::make_unique<ScoreWindow>(folder_ / "Data/"));
  for (const std::int32_t unknown : {7, -1}) {
    SCOPED_TRACE(unknown);
    OConfig::Instance().skill = unknown;
    config_.skill = unknown;
    options_ = &Add(std::make_unique<OConfigWindow>());
    gameType_->OnCommand(GameTypeWindow::kRemover, 1);
    auto& game = dynamic_cast<RemoverWindow&>(*Screens().FindWindow(RemoverWindow::kIdentifier));
    EXPECT_EQ(game.Rules().Skill().minimumGroup, 2);
    EXPECT_EQ(game.SkillText(), "Easy");
    Reopen();
    EXPECT_EQ(options_->Committed().skill, SkillRules::kEasy);
    ClickAt(255, 205);
    EXPECT_EQ(ActiveScreen(), OConfigWindow::kIdentifier) << "Easy is in force: no question";
    Ok();
    EXPECT_EQ(Saved().at(9), std::to_string(unknown));
    game.Board()->Notify(OControl::kGameFinished);
    EXPECT_EQ(scores.Pending().skill, SkillRules::kEasy);
  }
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

}  // namespace
