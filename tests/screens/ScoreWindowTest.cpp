// The top-ten screen and the clear question on the real application: a
// finished game handed over, the name typed for a new entry, the finished game
// discarded on the way out, paging, and clearing one table.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "GameScreenFixture.h"
#include "audio/GameSounds.h"
#include "game/BoardPicture.h"
#include "game/Cylinder.h"
#include "screens/CollapseWindow.h"
#include "screens/GameTypeWindow.h"
#include "screens/OMenuWindow.h"
#include "screens/RemoverWindow.h"
#include "screens/ScoreWindow.h"
#include "screens/Top10WarningWindow.h"
#include "ui/OTextField.h"

namespace {

constexpr std::uint16_t kEscape = 27;
constexpr std::uint16_t kEnter = 13;
constexpr std::uint16_t kBackspace = 8;
// Where the first row's digits stand.
constexpr float kRowTextY = 405;

class ScoreWindowTest : public GameScreenFixture {
 protected:
  void SetUp() override {
    GameScreenFixture::SetUp();
    if (HasFatalFailure() || IsSkipped()) {
      return;
    }
    menu_ = &Register(std::make_unique<OMenuWindow>());
    gameType_ = &Register(std::make_unique<GameTypeWindow>());
  }

  // The table screen reads its files when it is registered, so tests write theirs first.
  ScoreWindow& RegisterScores() {
    auto scores = std::make_unique<ScoreWindow>(scoreFolder_);
    scores->SetBackground("nongameback.jpg");
    scores_ = &Register(std::move(scores));
    auto question = std::make_unique<Top10WarningWindow>();
    question->SetBackground("nongameback.jpg");
    Register(std::move(question));
    return *scores_;
  }

  template <typename Game>
  Game& StartGame(std::uint32_t mode) {
    gameType_->OnCommand(mode, OControl::kClicked);
    auto& game = dynamic_cast<Game&>(*application_->Screens().FindWindow(Game::kIdentifier));
    FinishIntro(game);
    return game;
  }

  // One click takes the bottom ring's yellow blocks, which meet round the back.
  void ClickBottomRing(BoardWindow& game, std::vector<std::string> picture) {
    BoardPicture::Paint(*game.Board(), picture);
    // The ring's front faces the player straight below the middle of the window.
    for (int y = kHeight - 1; y > kHeight / 2; y -= 3) {
      Move({kWidth / 2, y});
      if (game.Rules().Removable()) {
        Click({kWidth / 2, y});
        return;
      }
    }
    FAIL() << "the bottom ring is under no pixel";
  }

  void PlayRemover(const char* bottomRing) {
    RemoverWindow& game = StartGame<RemoverWindow>(GameTypeWindow::kRemover);
    std::vector<std::string> picture(9, std::string(20, '.'));
    picture.emplace_back(bottomRing);
    ClickBottomRing(game, picture);
    score_ = game.Rules().Score();
    ASSERT_GT(score_, 0u);
    ASSERT_TRUE(RunUntil([this] { return ActiveScreen() == ScoreWindow::kIdentifier; }, 50));
  }

  // A scoring click, then rows pushed until they reach the top.
  void PlayBreakdown() {
    CollapseWindow& game = StartGame<CollapseWindow>(GameTypeWindow::kBreakdown);
    std::vector<std::string> picture;
    for (int ring = 0; ring < 9; ++ring) {
      picture.emplace_back(ring % 2 == 0 ? "RGRGRGRGRGRGRGRGRGRG" : "GRGRGRGRGRGRGRGRGRGR");
    }
    picture.emplace_back("YYYYYYYYYYYYYYYYYYYY");
    ClickBottomRing(game, picture);
    FinishMove(game);
    score_ = game.Rules().Score();
    ASSERT_GT(score_, 0u);
    ASSERT_TRUE(RunUntil([this] { return ActiveScreen() == ScoreWindow::kIdentifier; }, 50));
  }

  void Type(const std::string& text) {
    for (const char character : text) {
      application_->OnInput(OEvent::Key(OEvent::kCharacter, static_cast<std::uint8_t>(character), 0));
    }
  }

  void Erase(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
      PressKey(kBackspace);
    }
  }

  void KeepPicture(const char* name) {
    DrawFrame();
    if (const char* folder = std::getenv("TORNET_SCORES_SHOTS")) {
      SavePicture(application_->picture, std::string(folder) + "/" + name);
    }
  }

  static void WriteTable(const std::string& path, const std::vector<ScoreRecord>& records) {
    ScoreTable table(path);
    for (const ScoreRecord& record : records) {
      table.Insert(record);
    }
  }

  const std::string scoreFolder_ = folder_ / "Data/";
  const std::string removerFile_ = scoreFolder_ + "rScore.dat";
  const std::string breakdownFile_ = scoreFolder_ + "cScore.dat";
  OMenuWindow* menu_ = nullptr;
  GameTypeWindow* gameType_ = nullptr;
  ScoreWindow* scores_ = nullptr;
  std::uint32_t score_ = 0;
};

TEST_F(ScoreWindowTest, AWonGameTakesTheTypedNameAndTheNextEntryIsOfferedIt) {
  ScoreWindow& scores = RegisterScores();
  PlayRemover("YYYYYYYYYYYYYYYYYYYY");
  ASSERT_TRUE(scores.Entering());
  EXPECT_EQ(scores.CurrentPage(), ScoreWindow::kRemoverPage);
  EXPECT_EQ(scores.Title(), "Remover");
  ASSERT_EQ(scores.Table(ScoreWindow::kRemoverPage).Size(), 1u);
  EXPECT_EQ(scores.Table(ScoreWindow::kRemoverPage).At(0).score, static_cast<std::int32_t>(score_));
  ASSERT_NE(scores.NameField(), nullptr);
  EXPECT_EQ(scores.NameField()->Text(), "NoName") << "the first entry of a run";
  EXPECT_EQ(scores.Row(0).NameText(), "") << "the field stands in for the row's name";
  EXPECT_EQ(scores.Row(0).SkillText(), "Easy");
  EXPECT_EQ(scores.Row(0).ScoreText(), std::to_string(score_));
  EXPECT_TRUE(gameType_->GameInProgress()) << "the game waits until the table is left";

  Erase(6);
  Type("Ann Lee_Jones-too-long");
  EXPECT_EQ(scores.NameField()->Text(), "Ann Lee_Jones-to") << "sixteen characters at most";
  KeepPicture("entering.png");
  PressKey(kEnter);
  EXPECT_FALSE(scores.Entering());
  EXPECT_EQ(scores.NameField(), nullptr);
  EXPECT_EQ(scores.Row(0).NameText(), "Ann Lee Jones-to");
  ScoreTable stored(removerFile_);
  ASSERT_TRUE(stored.Load());
  EXPECT_EQ(stored.At(0).name, "Ann_Lee_Jones-to");
  EXPECT_FALSE(gameType_->GameInProgress()) << "the finished game went with the refresh";
  application_->Screens().SetActiveWindow(kMenu);
  EXPECT_FALSE(menu_->HasContinueButton());

  SCOPED_TRACE("a Breakdown result enters its own table with the last name offered");
  PlayBreakdown();
  ASSERT_TRUE(scores.Entering());
  EXPECT_EQ(scores.CurrentPage(), ScoreWindow::kBreakdownPage);
  EXPECT_EQ(scores.Title(), "Breakdown");
  EXPECT_EQ(scores.NameField()->Text(), "Ann Lee Jones-to");
  EXPECT_EQ(scores.Table(ScoreWindow::kRemoverPage).Size(), 1u);

  SCOPED_TRACE("Escape drops the unconfirmed edit; the entry keeps the name it was given");
  Type("X");
  application_->sounds.clear();
  PressKey(kEscape);
  EXPECT_EQ(ActiveScreen(), kMenu);
  EXPECT_EQ(application_->sounds, std::vector<std::int32_t>{GameSounds::kAction});
  ScoreTable breakdown(breakdownFile_);
  ASSERT_TRUE(breakdown.Load());
  ASSERT_EQ(breakdown.Size(), 1u);
  EXPECT_EQ(breakdown.At(0).name, "Ann_Lee_Jones-to");
  EXPECT_EQ(breakdown.At(0).score, static_cast<std::int32_t>(score_));
  EXPECT_FALSE(gameType_->GameInProgress());
}

TEST_F(ScoreWindowTest, ALostRemoverGameNeverEntersAndAFullTableTakesNoLowerResult) {
  std::vector<ScoreRecord> best(10, ScoreRecord{ScoreRecord::kNormal, "Best", 1000000});
  WriteTable(breakdownFile_, best);
  const std::string breakdownBefore = ReadText(breakdownFile_);
  ScoreWindow& scores = RegisterScores();

  PlayRemover("YYYYYYYYYYGYYYYYYYYY");
  EXPECT_FALSE(scores.Entering());
  EXPECT_EQ(scores.Table(ScoreWindow::kRemoverPage).Size(), 0u);
  EXPECT_FALSE(std::filesystem::exists(removerFile_));
  PressKey(kEscape);
  EXPECT_FALSE(gameType_->GameInProgress());

  PlayBreakdown();
  EXPECT_FALSE(scores.Entering());
  EXPECT_EQ(scores.CurrentPage(), ScoreWindow::kBreakdownPage);
  EXPECT_EQ(scores.Table(ScoreWindow::kBreakdownPage).Size(), 10u);
  EXPECT_EQ(ReadText(breakdownFile_), breakdownBefore);
}

TEST_F(ScoreWindowTest, ClearingAsksFirstAndEmptiesOnlyTheShownTable) {
  WriteTable(removerFile_, {ScoreRecord{0, "Ann Lee", 4200}, ScoreRecord{1, "Bo", 37}});
  WriteTable(breakdownFile_, {ScoreRecord{1, "Cy", 99}});
  const std::string removerBefore = ReadText(removerFile_);
  const std::string breakdownBefore = ReadText(breakdownFile_);
  ScoreWindow& scores = RegisterScores();
  application_->Screens().SetActiveWindow(ScoreWindow::kIdentifier);
  EXPECT_EQ(scores.Row(0).NameText(), "Ann Lee");
  EXPECT_EQ(scores.Row(1).SkillText(), "Normal");
  KeepPicture("table.png");
  const std::vector<std::uint8_t> table = application_->picture;

  const Pixel clear = LayoutPoint(430, 46);
  Click(clear);
  EXPECT_EQ(ActiveScreen(), Top10WarningWindow::kIdentifier);
  KeepPicture("question.png");
  EXPECT_GT(ChangedAround(table, application_->picture, 180, 270, 20), 100) << "the question";
  PressKey(kEscape);
  EXPECT_EQ(ActiveScreen(), ScoreWindow::kIdentifier);
  Click(clear);
  Click(LayoutPoint(300, 50));
  EXPECT_EQ(ActiveScreen(), ScoreWindow::kIdentifier) << "cancel";
  EXPECT_EQ(ReadText(removerFile_), removerBefore);
  EXPECT_EQ(scores.ShownTable().Size(), 2u);

  application_->sounds.clear();
  Click(clear);
  Click(LayoutPoint(180, 50));
  EXPECT_EQ(ActiveScreen(), ScoreWindow::kIdentifier) << "ok";
  EXPECT_EQ(application_->sounds, (std::vector<std::int32_t>{GameSounds::kAction, GameSounds::kAction}));
  EXPECT_EQ(ReadText(removerFile_), "");
  EXPECT_EQ(scores.ShownTable().Size(), 0u);
  DrawFrame();
  EXPECT_GT(ChangedAround(table, application_->picture, 110, 400, 10), 20) << "the rows are gone";
  Click(clear);
  EXPECT_EQ(ActiveScreen(), ScoreWindow::kIdentifier) << "nothing to clear";

  SCOPED_TRACE("the other table stays");
  Click(LayoutPoint(307, 46));
  EXPECT_EQ(scores.Title(), "Breakdown");
  EXPECT_EQ(scores.Row(0).NameText(), "Cy");
  EXPECT_EQ(ReadText(breakdownFile_), breakdownBefore);
}

TEST_F(ScoreWindowTest, ViewingNeverRewritesAFileItCouldNotRead) {
  const char bytes[] = "\x01\xff not a table \0\0 12345678901234567890";
  const std::string garbage(bytes, sizeof bytes - 1);
  WriteText(removerFile_, garbage);
  ScoreWindow& scores = RegisterScores();
  application_->Screens().SetActiveWindow(ScoreWindow::kIdentifier);
  DrawFrame();
  Click(LayoutPoint(205, 46));
  Click(LayoutPoint(205, 46));
  EXPECT_EQ(scores.CurrentPage(), ScoreWindow::kRemoverPage);
  PressKey(kEscape);
  EXPECT_EQ(ActiveScreen(), kMenu);
  EXPECT_EQ(ReadText(removerFile_), garbage);
  EXPECT_FALSE(std::filesystem::exists(breakdownFile_));
}

TEST_F(ScoreWindowTest, ScoresEndAtTheRightEdgeOfTheirColumn) {
  WriteTable(removerFile_, {ScoreRecord{1, "WWWWWWWWWWWWWWWW", 2147483647}, ScoreRecord{0, "i", 7}});
  ScoreWindow& scores = RegisterScores();
  application_->Screens().SetActiveWindow(ScoreWindow::kIdentifier);
  KeepPicture("columns.png");
  const std::vector<std::uint8_t> rows = application_->picture;
  EXPECT_EQ(scores.Row(0).ScoreText(), "2147483647");
  scores.ShownTable().Read("");
  application_->Screens().SetActiveWindow(ScoreWindow::kIdentifier);
  DrawFrame();
  const std::vector<std::uint8_t> empty = application_->picture;
  for (const float y : {kRowTextY, kRowTextY - 30}) {
    SCOPED_TRACE(y);
    EXPECT_GT(ChangedAround(rows, empty, 440, y, 3), 0) << "the last digit";
    EXPECT_EQ(ChangedAround(rows, empty, 449, y, 4), 0) << "nothing beyond the column";
  }
}

TEST_F(ScoreWindowTest, QuitPlaysTheClickOnBothScreens) {
  ScoreWindow& scores = RegisterScores();
  for (ORenderWindow* screen : {static_cast<ORenderWindow*>(&scores),
                                application_->Screens().FindWindow(Top10WarningWindow::kIdentifier)}) {
    application_->sounds.clear();
    screen->OnCommand(GameRenderWindow::kQuitCommand, OControl::kClicked);
    EXPECT_EQ(application_->sounds, std::vector<std::int32_t>{GameSounds::kClick});
    EXPECT_TRUE(QuitPosted());
  }
}

}  // namespace
