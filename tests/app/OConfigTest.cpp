// The settings file: its thirteen lines, what a short or broken file keeps,
// and that a failed save never harms the file already there.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/OConfig.h"
#include "support/TestFiles.h"

namespace {

const char* const kDefaultFile = "0\n16\n1\n10\n1\n1\n1\n16384\n50\n0\n1\n1\nscr.tga\n";
// Every value differs from its default; show groups (0) comes before start level (7).
const char* const kCustomFile = "2\n32\n0\n5\n2\n0\n0\n1000\n80\n1\n0\n7\nwea.tga\n";

class OConfigTest : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string path = folder / "Data/Config.Cfg";
};

void ExpectCustomValues(const OConfig& config) {
  EXPECT_EQ(config.displayMode, 2);
  EXPECT_EQ(config.colourDepth, 32);
  EXPECT_FALSE(config.fullScreen);
  EXPECT_EQ(config.textureQuality, 5);
  EXPECT_EQ(config.modelDetail, 2);
  EXPECT_FALSE(config.soundOn);
  EXPECT_FALSE(config.musicOn);
  EXPECT_EQ(config.soundVolume, 1000);
  EXPECT_EQ(config.musicVolume, 80);
  EXPECT_EQ(config.skill, 1);
  EXPECT_FALSE(config.showGroups);
  EXPECT_EQ(config.startLevel, 7);
  EXPECT_EQ(config.skin, "wea.tga");
}

TEST_F(OConfigTest, FirstStartWritesTheDefaultFileIntoANewDataFolder) {
  OConfig config(path);
  EXPECT_FALSE(config.Load());
  EXPECT_EQ(ReadText(path), kDefaultFile);
  EXPECT_EQ(config.displayMode, 0);
  EXPECT_EQ(config.colourDepth, 16);
  EXPECT_TRUE(config.fullScreen);
}

TEST_F(OConfigTest, MissingFileIsWrittenFromMemoryAndTheRecordFallsBackToDefaults) {
  OConfig config(path);
  config.skill = 1;
  config.skin = "dom.tga";
  EXPECT_FALSE(config.Load());
  EXPECT_NE(ReadText(path).find("\n1\n1\n1\ndom.tga\n"), std::string::npos);
  EXPECT_EQ(config.skill, 0);
  EXPECT_EQ(config.skin, "scr.tga");
}

TEST_F(OConfigTest, ReadingAndSavingReproducesTheFileByteForByte) {
  WriteText(path, kCustomFile);
  OConfig config(path);
  EXPECT_TRUE(config.Load());
  ExpectCustomValues(config);
  config.Save();
  EXPECT_EQ(ReadText(path), kCustomFile);
}

TEST_F(OConfigTest, FileEndingAfterLineSixKeepsTheLaterValuesInMemory) {
  WriteText(path, kCustomFile);
  OConfig config(path);
  config.Load();
  WriteText(path, "1\n16\n1\n3\n1\n1\n");
  EXPECT_TRUE(config.Load());
  EXPECT_EQ(config.displayMode, 1);
  EXPECT_EQ(config.textureQuality, 3);
  EXPECT_TRUE(config.soundOn);
  EXPECT_FALSE(config.musicOn);  // line 7 onwards: still the earlier file's values
  EXPECT_EQ(config.soundVolume, 1000);
  EXPECT_EQ(config.startLevel, 7);
  EXPECT_EQ(config.skin, "wea.tga");
}

TEST_F(OConfigTest, ReadingStopsAtTheFirstValueThatDoesNotParse) {
  struct Case {
    const char* what;
    const char* text;
  };
  // Each file breaks at line 4 (texture quality); lines 4 to 13 keep their defaults.
  const Case cases[] = {
      {"word", "2\n32\n0\nhigh\n2\n0\n0\n1000\n80\n1\n0\n7\nwea.tga\n"},
      {"too large", "2\n32\n0\n99999999999\n2\n0\n0\n1000\n80\n1\n0\n7\nwea.tga\n"},
      {"empty line counts as nothing, so a word follows",
       "2\n32\n0\n\nx\n0\n0\n1000\n80\n1\n0\n7\nwea.tga\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteText(path, c.text);
    OConfig config(path);
    EXPECT_TRUE(config.Load());
    EXPECT_EQ(config.displayMode, 2);
    EXPECT_FALSE(config.fullScreen);
    EXPECT_EQ(config.textureQuality, 10);
    EXPECT_EQ(config.soundVolume, 16384);
    EXPECT_EQ(config.skin, "scr.tga");
    EXPECT_EQ(ReadText(path), c.text) << "a broken file is not rewritten";
  }
}

TEST_F(OConfigTest, ABooleanOtherThanZeroOrOneStopsReading) {
  WriteText(path, "1\n32\n2\n5\n");
  OConfig config(path);
  config.Load();
  EXPECT_EQ(config.colourDepth, 32);
  EXPECT_TRUE(config.fullScreen);
  EXPECT_EQ(config.textureQuality, 10);
}

TEST_F(OConfigTest, DisplayModeThreeIsReplacedByTheDefaults) {
  WriteText(path, "3\n32\n0\n5\n2\n0\n0\n1000\n80\n1\n0\n7\nwea.tga\n");
  OConfig config(path);
  config.Load();
  EXPECT_TRUE(config.ResetIfDisplayModeInvalid());
  EXPECT_EQ(ReadText(path), kDefaultFile);
  EXPECT_EQ(config.colourDepth, 16);

  // Only the low byte names the mode: 0x102 is mode 2.
  config.displayMode = 0x102;
  EXPECT_FALSE(config.ResetIfDisplayModeInvalid());
}

TEST_F(OConfigTest, AFailedSaveLeavesTheOldFileUntouched) {
  WriteText(path, kCustomFile);
  // The file's folder refuses new files: its temporary name is taken by a folder.
  std::filesystem::create_directory(path + ".tmp");
  OConfig config(path);
  config.Save();
  EXPECT_EQ(ReadText(path), kCustomFile);
}

}  // namespace
