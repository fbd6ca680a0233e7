// The generated effects load under every number the game plays them by.
#include <gtest/gtest.h>

#include "assetgen/AssetSink.h"
#include "assetgen/Sounds.h"
#include "audio/GameSounds.h"
#include "audio/OSound.h"
#include "support/TestFiles.h"

namespace {

TEST(GameSounds, EveryNumberHasItsGeneratedFile) {
  TempFolder folder;
  AssetSink sink(folder.Path());
  WriteSounds(sink);
  OSound sound;
  EXPECT_TRUE(GameSounds::LoadAll(sound, folder / "Sounds/"));
  for (const std::int32_t id :
       {1, 3, 6, 8, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31}) {
    EXPECT_TRUE(sound.IsLoaded(id)) << id;
  }
  EXPECT_FALSE(sound.IsLoaded(2));
}

TEST(GameSounds, AMissingFileIsReportedAndTheRestStillLoad) {
  TempFolder folder;
  AssetSink sink(folder.Path());
  WriteSounds(sink);
  std::filesystem::remove(folder / "Sounds/win.wav");
  OSound sound;
  EXPECT_FALSE(GameSounds::LoadAll(sound, folder / "Sounds/"));
  EXPECT_FALSE(sound.IsLoaded(GameSounds::kWin));
  EXPECT_TRUE(sound.IsLoaded(GameSounds::kAlarm));
}

}  // namespace
