// The top-ten tables and their files: who gets in and where, what a file
// says after a save, and what survives a file that is broken or too long.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "screens/ScoreTable.h"
#include "support/TestFiles.h"

namespace {

ScoreRecord Entry(const std::string& name, std::int32_t score, std::int32_t skill = ScoreRecord::kEasy) {
  return ScoreRecord{skill, name, score};
}

std::vector<std::string> Names(const ScoreTable& table) {
  std::vector<std::string> names;
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
  std::string FileText() const { return ScoreTable::Scramble(ReadText(path_)); }

  TempFolder folder_;
  const std::string path_ = folder_ / "Data/rScore.dat";
};

TEST_F(ScoreTableTest, AResultEntersBelowEqualScoresAndAFullTableKeepsTheBest) {
  ScoreTable table(path_);
  EXPECT_FALSE(table.Qualifies(Entry("zero", 0))) << "a score of 0 never enters";
  for (const std::int32_t score : {500, 300, 300, 100}) {
    ASSERT_TRUE(table.Qualifies(Entry("old", score)));
    table.Insert(Entry("old" + std::to_string(score), score));
  }
  ASSERT_TRUE(table.Qualifies(Entry("new", 300)));
  EXPECT_EQ(table.Insert(Entry("new", 300)), 3u) << "below both older 300s";
  EXPECT_EQ(Names(table), (std::vector<std::string>{"old500", "old300", "old300", "new", "old100"}));

  SCOPED_TRACE("a full table");
  while (table.Size() < ScoreTable::kCapacity) {
    table.Insert(Entry("low", 50));
  }
  EXPECT_FALSE(table.Qualifies(Entry("tie", 50))) << "equal to the tenth is not enough";
  EXPECT_EQ(table.Size(), ScoreTable::kCapacity);
  ASSERT_TRUE(table.Qualifies(Entry("better", 51)));
  EXPECT_EQ(table.Size(), ScoreTable::kCapacity - 1) << "the last record made room";
  EXPECT_EQ(table.Insert(Entry("better", 51)), 5u);
  EXPECT_EQ(table.At(9).score, 50);

  ScoreTable reread(path_);
  ASSERT_TRUE(reread.Load());
  EXPECT_EQ(Names(reread), Names(table)) << "every insertion was saved";
}

TEST_F(ScoreTableTest, NamesKeepTheirSpacesThroughTheFile) {
  ScoreTable table(path_);
  table.Insert(Entry("Ann Lee", 900, ScoreRecord::kNormal));
  table.Insert(Entry("under_score", 800));
  table.Insert(Entry("", 700));
  table.SetName(2, Entry("  two  blanks", 0));
  EXPECT_EQ(FileText(), "Ann_Lee 1 900 under_score 0 800 __two__blanks 0 700 ");
  EXPECT_EQ(ReadText(path_).find("Ann"), std::string::npos) << "the file is scrambled";

  ScoreTable reread(path_);
  ASSERT_TRUE(reread.Load());
  ASSERT_EQ(reread.Size(), 3u);
  EXPECT_EQ(reread.At(0).ShownName(), "Ann Lee");
  EXPECT_EQ(reread.At(0).SkillName(), std::string("Normal"));
  EXPECT_EQ(reread.At(1).ShownName(), "under score");
  EXPECT_EQ(reread.At(1).SkillName(), std::string("Easy"));
  EXPECT_EQ(reread.At(2).ShownName(), "  two  blanks");
  EXPECT_EQ(reread.At(2).score, 700);

  SCOPED_TRACE("a name that was left empty keeps the fields after it in place");
  reread.SetName(0, Entry("", 0));
  ScoreTable again(path_);
  again.Load();
  EXPECT_EQ(again.Size(), 3u);
  EXPECT_EQ(again.At(1).score, 800);
}

TEST_F(ScoreTableTest, ABrokenFileGivesTheRecordsBeforeTheBreak) {
  struct Case {
    std::string text;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"", {}},
      {"a 0 10 b 1 5 c 1", {"a", "b"}},
      {"a 0 10 b", {"a"}},
      {"a 0 10 b x 5 c 0 1", {"a"}},
      {"a 0 10 b 0 5x c 0 1", {"a"}},
      {"a 0 99999999999 b 0 5", {}},
      {"a 0 2147483647 b 0 -5 c 0 3", {"a", "c"}},
      {"a\t0\n10\r\fb 0 5", {"a", "b"}},
      {std::string("n\0l 0 7 ", 8), {std::string("n\0l", 3)}},
      {"a 0 +5", {}},
  };
  for (const Case& broken : cases) {
    SCOPED_TRACE(broken.text);
    EXPECT_EQ(Names(Reading(broken.text)), broken.names);
  }
  EXPECT_EQ(Reading("a 0 2147483647").At(0).score, 2147483647);

  SCOPED_TRACE("an unknown skill keeps the one before; the first has Easy to keep");
  const ScoreTable skills = Reading("a 7 10 b 1 9 c 2 8 d 0 7 e -1 6 ");
  std::vector<std::int32_t> read;
  for (std::size_t i = 0; i < skills.Size(); ++i) {
    read.push_back(skills.At(i).skill);
  }
  EXPECT_EQ(read, (std::vector<std::int32_t>{0, 1, 1, 0, 0}));
}

TEST_F(ScoreTableTest, AFileOfMoreThanTenKeepsTheBestTen) {
  std::string text;
  for (int i = 0; i < 14; ++i) {
    text += "r" + std::to_string(i) + " 0 " + std::to_string(i % 3 == 0 ? 100 : i) + " ";
  }
  const ScoreTable table = Reading(text);
  EXPECT_EQ(Names(table),
            (std::vector<std::string>{"r0", "r3", "r6", "r9", "r12", "r13", "r11", "r10", "r8", "r7"}));
}

TEST_F(ScoreTableTest, AMissingFileIsAnEmptyTableAndNothingIsWritten) {
  ScoreTable table(path_);
  table.Read(ScoreTable::Scramble("kept 0 5 "));
  EXPECT_FALSE(table.Load());
  EXPECT_EQ(Names(table), std::vector<std::string>{"kept"}) << "the table stays as it was";
  EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(ScoreTableTest, AFailedWriteKeepsTheOldFile) {
  ScoreTable table(path_);
  table.Insert(Entry("old", 5));
  const std::string before = ReadText(path_);
  // The file is replaced by way of a temporary beside it; a folder in its place makes the write fail.
  std::filesystem::create_directories(path_ + ".tmp/blocked");
  EXPECT_FALSE(table.Save());
  table.Insert(Entry("new", 9));
  EXPECT_EQ(ReadText(path_), before);
  EXPECT_EQ(table.Size(), 2u) << "the table keeps the change";
}

}  // namespace
