// The files the game reads and writes itself: the settings (what a short or
// broken file keeps, and a failed save never harms the file already there),
// the resource archive (names without regard to case, the scrambled first
// 2048 bytes, corrupt directories that fail without crashing) and the HTML
// report.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <regex>

#include "core/OConfig.h"
#include "core/OLog.h"
#include "core/OResourceArchive.h"
#include "support/TestArchive.h"
#include "support/TestFiles.h"

using ::testing::HasSubstr;
using Bytes = std::vector<std::uint8_t>;

namespace {

const char* const kDefaultFile = "0\n16\n1\n10\n1\n1\n1\n16384\n50\n0\n1\n1\nscr.tga\n";
// Every value differs from its default; show groups (0) comes before start level (7).
const char* const kCustomFile = "2\n32\n0\n5\n2\n0\n0\n1000\n80\n1\n0\n7\nwea.tga\n";

class OConfigTest : public ::testing::Test {
 protected:
  // The values in memory, written as a settings file elsewhere.
  std::string Values(OConfig config) {
    config.fileName = folder / "values.cfg";
    config.Save();
    return ReadText(config.fileName);
  }

  TempFolder folder;
  std::string path = folder / "Data/Config.Cfg";
};

TEST_F(OConfigTest, AMissingFileIsWrittenFromMemoryIntoANewFolderAndTheDefaultsTakeOver) {
  OConfig config(path);
  config.skill = 1;
  config.skin = "dom.tga";
  EXPECT_FALSE(config.Load());
  EXPECT_EQ(ReadText(path), "0\n16\n1\n10\n1\n1\n1\n16384\n50\n1\n1\n1\ndom.tga\n");
  EXPECT_EQ(Values(config), kDefaultFile);
}

// One settings object reads file after file: a value that does not parse, and
// everything after it, keep what the object held.
TEST_F(OConfigTest, ReadingStopsAtTheFirstValueThatDoesNotParse) {
  struct Case {
    const char* what;
    const char* text;
    const char* values;
  };
  const char* const brokenAtLine4 = "2\n32\n0\n10\n1\n1\n1\n16384\n50\n0\n1\n1\nscr.tga\n";
  const Case cases[] = {
      {"a word", "2\n32\n0\nhigh\n2\n0\n0\n1000\n80\n1\n0\n7\nwea.tga\n", brokenAtLine4},
      {"too large", "2\n32\n0\n99999999999\n2\n0\n0\n1000\n80\n1\n0\n7\nwea.tga\n", brokenAtLine4},
      {"an empty line is nothing, so a word follows", "2\n32\n0\n\nx\n0\n0\n1000\n80\n1\n0\n7\n",
       brokenAtLine4},
      {"a boolean other than 0 or 1", "1\n32\n2\n5\n",
       "1\n32\n0\n10\n1\n1\n1\n16384\n50\n0\n1\n1\nscr.tga\n"},
      {"a whole file", kCustomFile, kCustomFile},
      {"a file ending after line six", "1\n16\n1\n3\n1\n1\n",
       "1\n16\n1\n3\n1\n1\n0\n1000\n80\n1\n0\n7\nwea.tga\n"},
  };
  OConfig config(path);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteText(path, c.text);
    EXPECT_TRUE(config.Load());
    EXPECT_EQ(Values(config), c.values);
    EXPECT_EQ(ReadText(path), c.text) << "a file read is not rewritten";
  }
}

// A save that fails (the disk is full) leaves the old file.
TEST_F(OConfigTest, DisplayModeThreeIsReplacedByTheDefaultsAndAFailedSaveHarmsNothing) {
  WriteText(path, "3\n32\n0\n5\n2\n0\n0\n1000\n80\n1\n0\n7\nwea.tga\n");
  OConfig config(path);
  config.Load();
  EXPECT_TRUE(config.ResetIfDisplayModeInvalid());
  EXPECT_EQ(ReadText(path), kDefaultFile);
  EXPECT_EQ(Values(config), kDefaultFile);
  config.displayMode = 0x102;
  EXPECT_FALSE(config.ResetIfDisplayModeInvalid()) << "only the low byte names the mode";
  {
    const DiskFullAfter full(4);
    config.Save();
  }
  EXPECT_EQ(ReadText(path), kDefaultFile);
}

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

class OResourceArchiveTest : public ::testing::Test {
 protected:
  bool Load(const Bytes& bytes) {
    errors.clear();
    WriteBytes(path, bytes);
    return archive.Open();
  }

  TempFolder folder;
  std::string path = folder / "Resource.Ztr";
  std::vector<std::string> errors;
  OResourceArchive archive{path, [this](const std::string& message) { errors.push_back(message); }};
};

// Only the first 2048 bytes of a member are scrambled.
TEST_F(OResourceArchiveTest, MembersAreFoundWhateverTheCaseOfTheirAsciiLetters) {
  Bytes large(3000);
  std::iota(large.begin(), large.end(), 1);
  ASSERT_TRUE(Load(TestArchive::Pack({{"Data/Textures/Menu.jpg", Text("menu")},
                                      {"large", large},
                                      {"Data/a.txt", Text("first")},
                                      {"DATA/A.TXT", Text("second")},
                                      {"Data/empty", {}},
                                      {std::string("short\0junk", 10), Text("2")},
                                      {"AZ\xC4", Text("az")}})));
  EXPECT_EQ(archive.Read("data/textures/MENU.JPG"), Text("menu"));
  EXPECT_EQ(archive.Read("LARGE"), large);
  EXPECT_EQ(archive.LastSize(), 3000u);
  const Bytes file = ReadBytes(path);
  const std::uint32_t at = archive.Directory().at("large").dataOffset;
  EXPECT_EQ(file[at + 2047], large[2047] ^ OResourceArchive::kScrambleStart);
  EXPECT_EQ(file[at + 2048], large[2048]);
  EXPECT_EQ(archive.SizeOf("DATA/TEXTURES/menu.jpg"), 4u);
  EXPECT_EQ(archive.Directory().at("data/textures/menu.jpg").storedName, "Data/Textures/Menu.jpg");
  EXPECT_EQ(archive.Read("data/a.txt"), Text("second")) << "a later duplicate replaces the earlier";
  EXPECT_EQ(archive.Read("Data/empty"), Bytes());
  EXPECT_EQ(archive.Read("short"), Text("2")) << "a name ends at a zero byte";
  EXPECT_EQ(archive.Read("az\xC4"), Text("az"));
  EXPECT_EQ(archive.Read("az\xE4"), std::nullopt) << "only ASCII letters fold";
  EXPECT_EQ(archive.Read("Data/b.txt"), std::nullopt);
  EXPECT_EQ(archive.SizeOf("Data/b.txt"), 0u);
  EXPECT_EQ(archive.Directory().size(), 6u);
  EXPECT_TRUE(errors.empty());
}

// Records start at 32: "a" is a record of 13 bytes, so the second one starts at 45.
TEST_F(OResourceArchiveTest, ADamagedDirectoryIsReportedAndKeepsWhatCameBefore) {
  struct Case {
    const char* what;
    void (*damage)(Bytes&);
    bool opens;
    std::size_t membersKept;
    std::size_t errors;
  };
  const Case cases[] = {
      {"a count of zero", [](Bytes& b) { PutLittle32(b, 8, 0); }, true, 0, 0},
      {"a count below zero", [](Bytes& b) { PutLittle32(b, 8, static_cast<std::uint32_t>(-5)); }, true, 0, 0},
      {"record length below 12", [](Bytes& b) { PutLittle32(b, 45, 11); }, false, 1, 1},
      {"record running past the end", [](Bytes& b) { PutLittle32(b, 45, 0xFFFFFF00u); }, false, 1, 1},
      {"count the file cannot hold", [](Bytes& b) { PutLittle32(b, 8, 0x7FFFFFFF); }, false, 0, 1},
      {"count just past the records", [](Bytes& b) { PutLittle32(b, 8, 3); }, false, 2, 1},
      {"file shorter than its header", [](Bytes& b) { b.resize(20); }, false, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes bytes = TestArchive::Pack({{"a", Text("first")}, {"b", Text("second")}});
    c.damage(bytes);
    EXPECT_EQ(Load(bytes), c.opens);
    EXPECT_EQ(archive.Directory().size(), c.membersKept);
    EXPECT_EQ(errors.size(), c.errors);
  }
}

TEST_F(OResourceArchiveTest, AMemberRunningPastTheEndOrAMissingArchiveGivesNothing) {
  Bytes bytes = TestArchive::Pack({{"a", Text("first")}, {"b", Text("second")}});
  bytes.resize(bytes.size() - 1);  // cuts the last byte of "b"
  Load(bytes);
  EXPECT_EQ(archive.Read("a"), Text("first"));
  EXPECT_EQ(archive.Read("b"), std::nullopt);
  EXPECT_EQ(archive.LastSize(), 0u);
  EXPECT_THAT(errors, ::testing::ElementsAre(HasSubstr("b runs past the end")));
  PutLittle32(bytes, 32 + 8, 0xFFFFFFF0u);  // "a" now starts far beyond the file
  Load(bytes);
  EXPECT_EQ(archive.Read("a"), std::nullopt);
  std::filesystem::remove(path);
  testing::internal::CaptureStdout();
  EXPECT_EQ(archive.Read("a"), std::nullopt);
  EXPECT_FALSE(archive.Open());
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "File was not opened\nFile was not opened\n");
  EXPECT_TRUE(archive.Directory().empty());
}

// The report: its fixed head, lines numbered by the milliseconds in seven
// places, red error lines, and the total; a new report replaces the last.
TEST(OLog, WritesTheHeadNumberedLinesRedErrorsAndTheTotal) {
  TempFolder folder;
  const std::string path = folder / "Report.html";
  { OLog(path).Error("from an earlier run"); }
  {
    OLog log(path);
    log.Line("Changing resolution: Mode %i", 2);
    log.Error("%s", std::string(5000, 'x').c_str());
    EXPECT_EQ(log.ErrorCount(), 1);
    log.Close();  // as an early exit does; the destructor adds nothing more
  }
  const std::string date = R"(\d{4}/\d\d/\d\d - \d\d:\d\d:\d\d </FONT></B>\n\n)";
  const std::regex report(
      "<HTML>\n<HEAD>  <TITLE> Log file  </TITLE>  </HEAD>\n<BODY>\n<FONT  STYLE='FONT-SIZE: 10pt'>\n<PRE>\n"
      "<B><FONT color= '0000ff'>Log file opened: " +
      date +
      "[ \\d]{6}\\d> Changing resolution: Mode 2\n"
      "[ \\d]{6}\\d> <B><FONT color= 'ff0000'>Error:</FONT></B> x{1023}\n"
      "\n<B><FONT color= '0000ff'>Total Errors = 1\nLog file closed: " +
      date);
  EXPECT_TRUE(std::regex_match(ReadText(path), report)) << ReadText(path);
  OLog nowhere(folder / "missing folder/Report.html");
  nowhere.Error("nowhere to go");
  EXPECT_EQ(nowhere.ErrorCount(), 1) << "a file that cannot be opened is ignored";
}

}  // namespace
