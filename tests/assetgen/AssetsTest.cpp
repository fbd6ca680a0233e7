// The generator's output as a player meets it: the same bytes on every run,
// sound effects as long as their events, heard without clicks or clipping,
// and songs that play a minute or two and stop by themselves.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <libopenmpt/libopenmpt.hpp>

#include "Assets.h"

namespace {

// Or every build would repack the archive, and no two players would hear the same game.
TEST(Assets, TwoRunsWriteTheSameFiles) {
  const Files again = Generate();
  ASSERT_EQ(again.size(), Generated().size());
  for (const auto& [path, bytes] : Generated()) {
    const auto found = again.find(path);
    ASSERT_NE(found, again.end()) << path;
    EXPECT_TRUE(found->second == bytes) << path;
  }
}

std::uint32_t Little(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = 0; i < size; ++i) {
    value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
  }
  return value;
}

int Sample(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return static_cast<std::int16_t>(Little(bytes, at, 2));
}

TEST(Assets, EverySoundIsAWaveAsLongAsItsEventAndHeardWithoutClicks) {
  // How long each event's sound may last, in milliseconds.
  const struct {
    const char* name;
    int shortest;
    int longest;
  } sounds[] = {
      {"click.wav", 10, 80},        {"action.wav", 50, 300},       {"rotate_ring.wav", 80, 400},
      {"add_block.wav", 50, 300},   {"smash_ring.wav", 300, 1200}, {"extra_points.wav", 300, 1200},
      {"count_points.wav", 10, 80}, {"level_over.wav", 800, 3000}, {"win.wav", 1500, 4000},
      {"loose.wav", 1000, 3000},    {"alarm.wav", 300, 1200},      {"explosion.wav", 800, 2500},
      {"add_ring.wav", 200, 800},   {"fall_down.wav", 400, 1500},
  };
  for (const auto& sound : sounds) {
    SCOPED_TRACE(sound.name);
    const auto found = Generated().find(std::string("Sounds/") + sound.name);
    ASSERT_NE(found, Generated().end()) << "not written";
    const std::vector<std::uint8_t>& bytes = found->second;
    ASSERT_GT(bytes.size(), 48u);
    // Canonical 16-bit PCM: "RIFF", size, "WAVE", "fmt ", 16, format 1, ..., "data", size.
    const auto text = [&](std::size_t at) { return std::string(bytes.begin() + at, bytes.begin() + at + 4); };
    EXPECT_EQ(text(0) + text(8) + text(12) + text(36), "RIFFWAVEfmt data");
    EXPECT_EQ(Little(bytes, 40, 4), bytes.size() - 44);
    EXPECT_EQ(Little(bytes, 20, 2), 1u) << "integer PCM";
    EXPECT_EQ(Little(bytes, 34, 2), 16u) << "bits per sample";
    const std::uint32_t bytesPerSecond = Little(bytes, 28, 4);
    EXPECT_EQ(bytesPerSecond, Little(bytes, 24, 4) * Little(bytes, 32, 2));
    const double milliseconds = 1000.0 * static_cast<double>(bytes.size() - 44) / bytesPerSecond;
    EXPECT_GE(milliseconds, sound.shortest);
    EXPECT_LE(milliseconds, sound.longest);

    int peak = 0;
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
      peak = std::max(peak, std::abs(Sample(bytes, at)));
    }
    EXPECT_LT(peak, 32000) << "clipped or too hot";
    EXPECT_GT(peak, 8000) << "too quiet to hear in the game";
    // A step at either end is heard as a click.
    EXPECT_LT(std::abs(Sample(bytes, 44)), 300);
    EXPECT_LT(std::abs(Sample(bytes, bytes.size() - 2)), 300);
  }
}

TEST(Assets, EachSongLoadsLastsAMinuteOrTwoAndStopsByItself) {
  for (const char* song : {"Data/Mod/lefoly.mod", "Data/Mod/magpot.mod", "Data/Mod/menu.it"}) {
    SCOPED_TRACE(song);
    openmpt::module player(Member(song));
    EXPECT_EQ(player.get_metadata("type"), std::string(song).substr(std::string(song).rfind('.') + 1));
    const double duration = player.get_duration_seconds();
    EXPECT_GE(duration, 60.0);
    EXPECT_LE(duration, 120.0);

    // Played once through, the song stops on its own at its length.
    constexpr int kRate = 22050;
    player.set_repeat_count(0);
    std::vector<float> audio(kRate * 200);
    audio.resize(player.read(kRate, audio.size(), audio.data()));
    EXPECT_NEAR(static_cast<double>(audio.size()) / kRate, duration, 1.0);
    double sumOfSquares = 0.0;
    float peak = 0.0f;
    for (const float sample : audio) {
      sumOfSquares += sample * sample;
      peak = std::max(peak, std::abs(sample));
    }
    EXPECT_LT(peak, 1.0f) << "clips";
    EXPECT_GT(std::sqrt(sumOfSquares / static_cast<double>(audio.size())), 0.03) << "too quiet to hear";
  }
}

}  // namespace
