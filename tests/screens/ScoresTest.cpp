// The top-ten tables and their files: who gets in and where, what a file says
// after a save, and what survives a file that is broken or too long; and the
// top-ten screen on the real application: a finished game handed over, the
// name typed for a new entry, paging, and clearing one table after a question.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "GameScreenFixture.h"
#include "audio/GameSounds.h"
#include "game/BoardPicture.h"
#include "game/Cylinder.h"
#include "game/SceneTextList.h"
#include "screens/CollapseWindow.h"
#include "screens/GameTypeWindow.h"
#include "screens/OMenuWindow.h"
#include "screens/RemoverWindow.h"
#include "screens/ScoreRow.h"
#include "screens/ScoreTable.h"
#include "screens/ScoreWindow.h"
#include "screens/Top10WarningWindow.h"
#include "ui/KeyCodes.h"
#include "ui/OTextField.h"

namespace {

using Names = std::vector<std::string>;
using Sounds = std::vector<std::int32_t>;

ScoreRecord Entry(const std::string& name, std::int32_t score, std::int32_t skill = ScoreRecord::kEasy) {
  return ScoreRecord{skill, name, score};
}

Names NamesIn(const ScoreTable& table) {
  Names names;
  for (std::size_t i = 0; i < table.Size(); ++i) {
    names.push_back(table.At(i).name);
  }
  return names;
}

// The table the file's text gives.
ScoreTable Reading(const std::string& text) {
  ScoreTable table("unused");
  table.Read(ScoreTable::Scramble(text));
  return table;
}

class ScoreTableTest : public ::testing::Test {
 protected:
  TempFolder folder_;
  const std::string path_ = folder_ / "Data/rScore.dat";
};

TEST_F(ScoreTableTest, AResultEntersBelowEqualScoresAndAFullTableKeepsTheBest) {
  ScoreTable table(path_);
  EXPECT_FALSE(table.Qualifies(Entry("zero", 0))) << "a score of 0 never enters";
  for (const std::int32_t score : {500, 300, 300, 100}) {
    table.Insert(Entry("old" + std::to_string(score), score));
  }
  EXPECT_EQ(table.Insert(Entry("new", 300)), 3u) << "below both older 300s";
  EXPECT_EQ(NamesIn(table), (Names{"old500", "old300", "old300", "new", "old100"}));
  while (table.Size() < ScoreTable::kCapacity) {
    table.Insert(Entry("low", 50));
  }
  EXPECT_FALSE(table.Qualifies(Entry("tie", 50))) << "equal to the tenth is not enough";
  EXPECT_EQ(table.Size(), ScoreTable::kCapacity);
  ASSERT_TRUE(table.Qualifies(Entry("better", 51)));
  EXPECT_EQ(table.Size(), ScoreTable::kCapacity - 1) << "the last record made room";
  EXPECT_EQ(table.Insert(Entry("better", 51)), 5u);
  ScoreTable reread(path_);
  ASSERT_TRUE(reread.Load());
  EXPECT_EQ(NamesIn(reread), NamesIn(table)) << "every insertion was saved";
}

TEST_F(ScoreTableTest, NamesKeepTheirSpacesThroughTheFile) {
  ScoreTable table(path_);
  table.Insert(Entry("Ann Lee", 900, ScoreRecord::kNormal));
  table.Insert(Entry("under_score", 800));
  table.Insert(Entry("", 700));
  table.SetName(2, Entry("  two  blanks", 0));
  EXPECT_EQ(ScoreTable::Scramble(ReadText(path_)), "Ann_Lee 1 900 under_score 0 800 __two__blanks 0 700 ");
  ScoreTable reread(path_);
  ASSERT_TRUE(reread.Load());
  EXPECT_EQ(reread.At(1).ShownName(), "under score");
  EXPECT_EQ(reread.At(2).ShownName(), "  two  blanks");
  reread.SetName(0, Entry("", 0));
  ScoreTable again(path_);
  again.Load();
  EXPECT_EQ(again.At(1).score, 800) << "a name left empty keeps the fields after it in place";
}

TEST_F(ScoreTableTest, ABrokenFileGivesTheRecordsBeforeTheBreakAndALongOneTheBestTen) {
  std::string eleven;
  for (int i = 0; i < 11; ++i) {
    eleven += "r" + std::to_string(i) + " 0 " + std::to_string(i % 3 == 0 ? 100 : i) + " ";
  }
  const std::pair<std::string, Names> cases[] = {
      {"", {}},
      {"a 0 10 b 1 5 c 1", {"a", "b"}},
      {"a 0 10 b", {"a"}},
      {"a 0 10 b x 5 c 0 1", {"a"}},
      {"a 0 10 b 0 5x c 0 1", {"a"}},
      {"a 0 99999999999 b 0 5", {}},
      {"a 0 2147483647 b 0 -5 c 0 3", {"a", "b", "c"}},
      {"a\t0\n10\r\fb 0 5", {"a", "b"}},
      {std::string("n\0l 0 7 ", 8), {std::string("n\0l", 3)}},
      {"a 0 +5 b 0 +-5 c 0 1", {"a"}},
      {eleven, {"r0", "r3", "r6", "r9", "r10", "r8", "r7", "r5", "r4", "r2"}},
  };
  for (const auto& [text, names] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(NamesIn(Reading(text)), names);
  }
  EXPECT_EQ(Reading("a 0 2147483647").At(0).score, 2147483647);
  // Whatever was read is written back, so a save loses no record.
  EXPECT_EQ(ScoreTable::Scramble(Reading("a 0 +5 b 1 -5 Jos\xe9 0 -2147483648").FileBytes()),
            "a 0 5 b 1 -5 Jos\xe9 0 -2147483648 ");
  ScoreRow row(nullptr, 0);
  row.Show(Entry("b", -5));
  EXPECT_EQ(row.ScoreText(), "4294967291") << "shown unsigned, as every score";
  // An unknown skill keeps the one before; the first has Easy to keep.
  const ScoreTable skills = Reading("a 7 10 b 1 9 c 2 8 d 0 7 e -1 6 ");
  std::vector<std::int32_t> read;
  for (std::size_t i = 0; i < skills.Size(); ++i) {
    read.push_back(skills.At(i).skill);
  }
  EXPECT_EQ(read, (std::vector<std::int32_t>{0, 1, 1, 0, 0}));
}

TEST_F(ScoreTableTest, AMissingFileChangesNothingAndAFailedWriteKeepsTheOldFile) {
  ScoreTable table(path_);
  table.Read(ScoreTable::Scramble("kept 0 5 "));
  EXPECT_FALSE(table.Load());
  EXPECT_EQ(NamesIn(table), Names{"kept"}) << "the table stays as it was";
  EXPECT_FALSE(std::filesystem::exists(path_));
  table.Insert(Entry("old", 5));
  const std::string before = ReadText(path_);
  {
    const DiskFullAfter full(4);
    EXPECT_FALSE(table.Save());
    table.Insert(Entry("new", 9));
  }
  EXPECT_EQ(ReadText(path_), before);
  EXPECT_EQ(table.Size(), 3u) << "the table keeps the change";
}

class ScoreWindowTest : public GameScreenFixture {
 protected:
  // The screen reads its files when it comes in, so tests write theirs first.
  ScoreWindow& AddScores() {
    ScoreWindow& scores = Add(std::make_unique<ScoreWindow>(scoreFolder_));
    Add(std::make_unique<Top10WarningWindow>());
    return scores;
  }

  // A game that ends on one click on its bottom ring, and the message it ends with.
  template <typename Game>
  void Play(std::uint32_t mode, const std::vector<std::string>& picture, const std::string& message = "") {
    gameType_->OnCommand(mode, OControl::kClicked);
    auto& game = dynamic_cast<Game&>(*Screens().FindWindow(Game::kIdentifier));
    FinishIntro(game);
    BoardPicture::Paint(*game.Board(), picture);
    // The ring's front faces the player straight below the middle of the window.
    int y = kHeight - 1;
    for (; y > kHeight / 2 && !game.Rules().Removable(); y -= 3) {
      Move({kWidth / 2, y});
    }
    Click({kWidth / 2, y + 3});
    if (message.empty()) {
      FinishMove(game);
    } else {
      ASSERT_TRUE(RunUntil([&game] { return game.LongTexts().Size() > 0; }, 10));
      EXPECT_EQ(game.LongTexts().At(0).text, message);
      Run(100, 35);
      EXPECT_EQ(ActiveScreen(), Game::kIdentifier) << "the message shows for 3500 ms";
      Run(1);
      EXPECT_EQ(game.Board()->State(), BoardState::GameOver);
    }
    score_ = game.Rules().Score();
    ASSERT_GT(score_, 0u);
    ASSERT_TRUE(RunUntil([this] { return ActiveScreen() == ScoreWindow::kIdentifier; }, 50));
  }
  // The yellow blocks meet round the back of the ring, so one click takes them all.
  void PlayRemover(const char* bottomRing, const std::string& message) {
    std::vector<std::string> picture(9, std::string(20, '.'));
    picture.emplace_back(bottomRing);
    Play<RemoverWindow>(GameTypeWindow::kRemover, picture, message);
  }
  // A scoring click, then rows pushed until they reach the top.
  void PlayBreakdown() {
    std::vector<std::string> picture;
    for (int ring = 0; ring < 9; ++ring) {
      picture.emplace_back(ring % 2 == 0 ? "RGRGRGRGRGRGRGRGRGRG" : "GRGRGRGRGRGRGRGRGRGR");
    }
    picture.emplace_back("YYYYYYYYYYYYYYYYYYYY");
    Play<CollapseWindow>(GameTypeWindow::kBreakdown, picture);
  }
  void Type(const std::string& text) {
    for (const char character : text) {
      application_->OnInput(OEvent::Key(OEvent::kCharacter, static_cast<std::uint8_t>(character), 0));
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
  std::uint32_t score_ = 0;
};

TEST_F(ScoreWindowTest, AWonGameTakesTheTypedNameAndTheNextEntryIsOfferedIt) {
  ScoreWindow& scores = AddScores();
  PlayRemover("YYYYYYYYYYYYYYYYYYYY", "You win!!!");
  ASSERT_TRUE(scores.Entering());
  EXPECT_EQ(scores.Title(), "Remover");
  ASSERT_NE(scores.NameField(), nullptr);
  EXPECT_EQ(scores.NameField()->Text(), "NoName") << "the first entry of a run";
  EXPECT_EQ(scores.Row(0).NameText(), "") << "the field stands in for the row's name";
  EXPECT_EQ(scores.Row(0).SkillText(), "Easy");
  EXPECT_EQ(scores.Row(0).ScoreText(), std::to_string(score_));
  EXPECT_TRUE(gameType_->GameInProgress()) << "the game waits until the table is left";
  for (int i = 0; i < 6; ++i) {
    PressKey(keycode::kBackspace);
  }
  Type("Ann Lee_Jones-too-long");
  PressKey(keycode::kEnter);
  EXPECT_EQ(scores.NameField(), nullptr);
  EXPECT_EQ(scores.Row(0).NameText(), "Ann Lee Jones-to") << "sixteen characters at most";
  ScoreTable stored(removerFile_);
  ASSERT_TRUE(stored.Load());
  EXPECT_EQ(stored.At(0).name, "Ann_Lee_Jones-to");
  EXPECT_EQ(stored.At(0).score, static_cast<std::int32_t>(score_));
  EXPECT_FALSE(gameType_->GameInProgress()) << "the finished game went with the refresh";

  SCOPED_TRACE("a Breakdown result enters its own table with the last name offered");
  PlayBreakdown();
  ASSERT_TRUE(scores.Entering());
  EXPECT_EQ(scores.CurrentPage(), ScoreWindow::kBreakdownPage);
  EXPECT_EQ(scores.Title(), "Breakdown");
  EXPECT_EQ(scores.NameField()->Text(), "Ann Lee Jones-to");
  Type("X");
  application_->sounds.clear();
  PressKey(kEscape);
  EXPECT_EQ(ActiveScreen(), kMenu);
  EXPECT_EQ(application_->sounds, Sounds{GameSounds::kAction});
  ScoreTable breakdown(breakdownFile_);
  ASSERT_TRUE(breakdown.Load());
  EXPECT_EQ(NamesIn(breakdown), Names{"Ann_Lee_Jones-to"}) << "Escape drops the unconfirmed edit";
  EXPECT_FALSE(gameType_->GameInProgress());

  SCOPED_TRACE("a controller's A takes the name offered");
  PlayRemover("YYYYYYYYYYYYYYYYYYYY", "You win!!!");
  ASSERT_TRUE(scores.Entering());
  Input(OEvent::Key(OEvent::kPadDown, padbutton::kA, 0));
  EXPECT_EQ(scores.NameField(), nullptr);
  ASSERT_TRUE(stored.Load());
  EXPECT_EQ(NamesIn(stored), (Names{"Ann_Lee_Jones-to", "Ann_Lee_Jones-to"}));
}

TEST_F(ScoreWindowTest, ClearingAsksFirstAndEmptiesOnlyTheShownTable) {
  WriteTable(removerFile_, {Entry("Ann Lee", 4200), Entry("Bo", 37, ScoreRecord::kNormal)});
  WriteTable(breakdownFile_, {Entry("Cy", 99)});
  const std::string removerBefore = ReadText(removerFile_);
  const std::string breakdownBefore = ReadText(breakdownFile_);
  ScoreWindow& scores = AddScores();
  Screens().SetActiveWindow(ScoreWindow::kIdentifier);
  EXPECT_EQ(scores.Row(0).NameText(), "Ann Lee");
  const Picture table = DrawFrame();
  ClickAt(430, 46);
  EXPECT_EQ(ActiveScreen(), Top10WarningWindow::kIdentifier);
  EXPECT_GT(ChangedAround(table, DrawFrame(), 180, 270, 20), 100) << "the question";
  PressKey(kEscape);
  ClickAt(430, 46);
  ClickAt(300, 50);
  EXPECT_EQ(ActiveScreen(), ScoreWindow::kIdentifier) << "Escape and cancel";
  EXPECT_EQ(ReadText(removerFile_), removerBefore);

  SCOPED_TRACE("the keys alone: along the buttons' row to Clear, and Ok in the question");
  application_->sounds.clear();
  std::vector<std::uint32_t> focused;
  for (int press = 0; press < 4; ++press) {
    PressKey(keycode::kRight);
    focused.push_back(scores.KeyFocus()->id);
  }
  EXPECT_EQ(focused, (std::vector<std::uint32_t>{ScoreWindow::kLeftArrow, ScoreWindow::kBackToMenu,
                                                 ScoreWindow::kRightArrow, ScoreWindow::kClear}));
  PressKey(keycode::kEnter);
  EXPECT_EQ(ActiveScreen(), Top10WarningWindow::kIdentifier);
  PressKey(keycode::kDown);
  EXPECT_EQ(Screens().ActiveWindow()->KeyFocus()->id, Top10WarningWindow::kOk);
  PressKey(keycode::kSpace);
  EXPECT_EQ(ActiveScreen(), ScoreWindow::kIdentifier) << "ok";
  EXPECT_EQ(application_->sounds, (Sounds{GameSounds::kAction, GameSounds::kAction}));
  EXPECT_EQ(ReadText(removerFile_), "");
  EXPECT_GT(ChangedAround(table, DrawFrame(), 110, 400, 10), 20) << "the rows are gone";
  ClickAt(430, 46);
  EXPECT_EQ(ActiveScreen(), ScoreWindow::kIdentifier) << "nothing to clear";
  ClickAt(307, 46);
  EXPECT_EQ(scores.Title(), "Breakdown");
  EXPECT_EQ(scores.Row(0).NameText(), "Cy");
  EXPECT_EQ(ReadText(breakdownFile_), breakdownBefore) << "the other table stays";
}

TEST_F(ScoreWindowTest, ViewingNeverRewritesAFileItCouldNotRead) {
  const char bytes[] = "\x01\xff not a table \0\0 12345678901234567890";
  const std::string garbage(bytes, sizeof bytes - 1);
  WriteText(removerFile_, garbage);
  ScoreWindow& scores = AddScores();
  Screens().SetActiveWindow(ScoreWindow::kIdentifier);
  DrawFrame();
  ClickAt(205, 46);
  ClickAt(205, 46);
  EXPECT_EQ(scores.CurrentPage(), ScoreWindow::kRemoverPage);
  PressKey(kEscape);
  EXPECT_EQ(ActiveScreen(), kMenu);
  EXPECT_EQ(ReadText(removerFile_), garbage);
  EXPECT_FALSE(std::filesystem::exists(breakdownFile_));
}

}  // namespace
