// Our module writers checked by a real player: a note written as A4 must sound
// at 440 Hz in either format, whatever rate its sample was made at, and what a
// format can't hold must be refused rather than written wrong.
#include <gtest/gtest.h>

#include <libopenmpt/libopenmpt.hpp>
#include <stdexcept>
#include <vector>

#include "assetgen/Instruments.h"
#include "assetgen/ItFile.h"
#include "assetgen/ModFile.h"
#include "assetgen/Score.h"
#include "assetgen/Synth.h"

namespace {

constexpr int kRate = 44100;
constexpr double kRowSeconds = 6 * 2.5 / 125;  // speed 6, tempo 125

// The pitch of a steady stretch of the rendering, by counting upward zero crossings.
double MeasuredFrequency(const std::vector<float>& audio, double from, double to) {
  int crossings = 0;
  std::size_t first = 0;
  std::size_t last = 0;
  for (auto i = static_cast<std::size_t>(from * kRate); i < static_cast<std::size_t>(to * kRate); ++i) {
    if (audio[i - 1] < 0.0f && audio[i] >= 0.0f) {
      if (crossings == 0) {
        first = i;
      }
      last = i;
      ++crossings;
    }
  }
  return crossings > 1 ? (crossings - 1) * static_cast<double>(kRate) / static_cast<double>(last - first)
                       : 0.0;
}

std::vector<float> Render(const std::vector<std::uint8_t>& bytes) {
  openmpt::module player(bytes);
  player.set_repeat_count(0);
  std::vector<float> audio(static_cast<std::size_t>(kRate * 10));
  audio.resize(player.read(kRate, audio.size(), audio.data()));
  return audio;
}

// A sine held on A4, then on E5 from row 32.
TrackerSong TwoNotes(double sampleRate) {
  TrackerSong song;
  song.samples.push_back(HeldTone("sine", sampleRate, 69, ToneShape{}));
  Score score(4);
  score.Note(0, 0, 69, 1);
  score.Note(32, 0, 76, 1);
  score.Fill(song, 64);
  return song;
}

TEST(TrackerFormatsTest, NotesSoundAtTheirPitchInBothFormats) {
  const struct {
    const char* format;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"mod", EncodeMod(TwoNotes(kModSampleRate))},
      {"it", EncodeIt(TwoNotes(22050.0))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    const std::vector<float> audio = Render(c.bytes);
    ASSERT_NEAR(static_cast<double>(audio.size()) / kRate, 64 * kRowSeconds, 0.25);
    EXPECT_NEAR(MeasuredFrequency(audio, 0.3, 32 * kRowSeconds - 0.1), 440.0, 440.0 * 0.005);
    // ProTracker's periods are whole numbers, so its E5 may be a few cents flat.
    EXPECT_NEAR(MeasuredFrequency(audio, 32 * kRowSeconds + 0.3, 64 * kRowSeconds - 0.1), NoteFrequency(76),
                NoteFrequency(76) * 0.005);
  }
}

TEST(TrackerFormatsTest, WhatAModuleCannotHoldIsRefused) {
  TrackerSong song = TwoNotes(kModSampleRate);
  {
    SCOPED_TRACE("three octaves above the sample's range");
    TrackerSong high = song;
    high.patterns[0].cells[0].note = 69 + 36;
    EXPECT_THROW(EncodeMod(high), std::invalid_argument);
  }
  {
    SCOPED_TRACE("a volume and an effect in one cell");
    TrackerSong both = song;
    both.patterns[0].cells[0].volume = 32;
    both.patterns[0].cells[0].effect = TrackerEffect::kVolumeSlide;
    EXPECT_THROW(EncodeMod(both), std::invalid_argument);
  }
  {
    SCOPED_TRACE("a sample made at another rate");
    EXPECT_THROW(EncodeMod(TwoNotes(22050.0)), std::invalid_argument);
  }
  {
    SCOPED_TRACE("more channels than ProTracker has");
    TrackerSong wide = song;
    wide.channels = 6;
    EXPECT_THROW(EncodeMod(wide), std::invalid_argument);
  }
}

}  // namespace
