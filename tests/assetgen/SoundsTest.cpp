// The sound effects as the game's player sees them: canonical WAV files, each
// about as long as the event it goes with, never clipped and never starting or
// ending on a click.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "assetgen/AssetSink.h"
#include "assetgen/Sounds.h"
#include "support/TestFiles.h"

namespace {

std::uint32_t Little(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = 0; i < size; ++i) {
    value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
  }
  return value;
}

std::string Text(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                     bytes.begin() + static_cast<std::ptrdiff_t>(at) + 4);
}

class SoundsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TempFolder;
    AssetSink sink(folder_->Path());
    WriteSounds(sink);
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
  static std::string PathOf(const std::string& name) { return *folder_ / ("Sounds/" + name); }

  static TempFolder* folder_;
};

TempFolder* SoundsTest::folder_ = nullptr;

// How long each event's sound may last, in milliseconds.
const struct {
  const char* name;
  int shortest;
  int longest;
} kSounds[] = {
    {"click.wav", 10, 80},        {"action.wav", 50, 300},       {"rotate_ring.wav", 80, 400},
    {"add_block.wav", 50, 300},   {"smash_ring.wav", 300, 1200}, {"extra_points.wav", 300, 1200},
    {"count_points.wav", 10, 80}, {"level_over.wav", 800, 3000}, {"win.wav", 1500, 4000},
    {"loose.wav", 1000, 3000},    {"alarm.wav", 300, 1200},      {"explosion.wav", 800, 2500},
    {"add_ring.wav", 200, 800},   {"fall_down.wav", 400, 1500},
};

TEST_F(SoundsTest, EveryEventHasItsFileAndNothingElseIsWritten) {
  std::set<std::string> expected;
  for (const auto& sound : kSounds) {
    expected.insert(sound.name);
  }
  std::set<std::string> written;
  for (const auto& entry : std::filesystem::directory_iterator(folder_->Path() / "Sounds")) {
    written.insert(entry.path().filename().string());
  }
  EXPECT_EQ(written, expected);
}

TEST_F(SoundsTest, FilesAreCanonicalPcmWavesOfSensibleLength) {
  for (const auto& sound : kSounds) {
    SCOPED_TRACE(sound.name);
    const std::vector<std::uint8_t> bytes = ReadBytes(PathOf(sound.name));
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_EQ(Text(bytes, 0), "RIFF");
    EXPECT_EQ(Little(bytes, 4, 4), bytes.size() - 8);
    EXPECT_EQ(Text(bytes, 8), "WAVE");
    EXPECT_EQ(Text(bytes, 12), "fmt ");
    EXPECT_EQ(Little(bytes, 16, 4), 16u);
    EXPECT_EQ(Little(bytes, 20, 2), 1u) << "integer PCM";
    const std::uint32_t channels = Little(bytes, 22, 2);
    const std::uint32_t rate = Little(bytes, 24, 4);
    EXPECT_TRUE(channels == 1 || channels == 2);
    EXPECT_TRUE(rate == 22050 || rate == 44100);
    EXPECT_EQ(Little(bytes, 34, 2), 16u);
    EXPECT_EQ(Little(bytes, 32, 2), channels * 2);
    EXPECT_EQ(Little(bytes, 28, 4), rate * channels * 2);
    EXPECT_EQ(Text(bytes, 36), "data");
    const std::uint32_t dataSize = Little(bytes, 40, 4);
    EXPECT_EQ(dataSize, bytes.size() - 44);

    const double milliseconds = 1000.0 * dataSize / (rate * channels * 2);
    EXPECT_GE(milliseconds, sound.shortest);
    EXPECT_LE(milliseconds, sound.longest);
  }
}

TEST_F(SoundsTest, SoundsStayBelowFullScaleAndStartAndEndQuietly) {
  for (const auto& sound : kSounds) {
    SCOPED_TRACE(sound.name);
    const std::vector<std::uint8_t> bytes = ReadBytes(PathOf(sound.name));
    ASSERT_GT(bytes.size(), 48u);
    int peak = 0;
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
      peak = std::max(peak, std::abs(static_cast<int>(static_cast<std::int16_t>(Little(bytes, at, 2)))));
    }
    EXPECT_LT(peak, 32000) << "clipped or too hot";
    EXPECT_GT(peak, 8000) << "too quiet to hear in the game";
    // A step at either end is heard as a click.
    const auto first = static_cast<std::int16_t>(Little(bytes, 44, 2));
    const auto last = static_cast<std::int16_t>(Little(bytes, bytes.size() - 2, 2));
    EXPECT_LT(std::abs(first), 300);
    EXPECT_LT(std::abs(last), 300);
  }
}

}  // namespace
