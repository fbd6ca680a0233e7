// The music as the game's player sees it: each module loads in libopenmpt as its
// format, lasts a minute or two, and stops by itself so the next one can start.
#include <gtest/gtest.h>

#include <cmath>
#include <libopenmpt/libopenmpt.hpp>
#include <string>
#include <vector>

#include "assetgen/AssetSink.h"
#include "assetgen/Music.h"
#include "support/TestFiles.h"

namespace {

const struct {
  const char* member;
  const char* type;
  int channels;
} kModules[] = {
    {"Data/Mod/lefoly.mod", "mod", 4},
    {"Data/Mod/magpot.mod", "mod", 4},
    {"Data/Mod/menu.it", "it", 8},
};

TEST(MusicTest, ModulesLoadLastAMinuteOrTwoAndEnd) {
  TempFolder folder;
  AssetSink sink(folder.Path());
  WriteMusic(sink);
  EXPECT_EQ(sink.ArchiveMembers().size(), std::size(kModules));

  for (const auto& module : kModules) {
    SCOPED_TRACE(module.member);
    const std::vector<std::uint8_t> bytes = ReadBytes(folder / (std::string("archive/") + module.member));
    ASSERT_FALSE(bytes.empty());
    openmpt::module player(bytes);
    EXPECT_EQ(player.get_metadata("type"), module.type);
    EXPECT_EQ(player.get_num_channels(), module.channels);
    const double duration = player.get_duration_seconds();
    EXPECT_GE(duration, 60.0);
    EXPECT_LE(duration, 120.0);

    // Played once through, the song must stop on its own at about its length.
    constexpr int kRate = 22050;
    player.set_repeat_count(0);
    std::vector<float> buffer(4096);
    std::size_t frames = 0;
    double sumOfSquares = 0.0;
    float peak = 0.0f;
    while (frames < static_cast<std::size_t>(kRate * 200)) {
      const std::size_t read = player.read(kRate, buffer.size(), buffer.data());
      if (read == 0) {
        break;
      }
      for (std::size_t i = 0; i < read; ++i) {
        sumOfSquares += buffer[i] * buffer[i];
        peak = std::max(peak, std::abs(buffer[i]));
      }
      frames += read;
    }
    const double seconds = static_cast<double>(frames) / kRate;
    EXPECT_NEAR(seconds, duration, 1.0);
    EXPECT_LT(peak, 1.0f) << "clips";
    EXPECT_GT(std::sqrt(sumOfSquares / static_cast<double>(frames)), 0.03) << "too quiet to hear";
  }
}

}  // namespace
