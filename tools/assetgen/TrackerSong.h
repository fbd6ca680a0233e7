// A song as trackers store it: sampled instruments, patterns of rows and an
// order list. The compositions fill one in; ModFile and ItFile write it out.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct TrackerSample {
  std::string name;
  std::vector<float> data;  // in [-1, 1]
  double rate = 0.0;        // samples per second at which `data` sounds `rootNote`
  int rootNote = 60;        // MIDI note
  std::size_t loopStart = 0;
  std::size_t loopEnd = 0;  // past the last looped sample; no loop when not after loopStart
  int volume = 64;          // 0 to 64
};

enum class TrackerEffect {
  kNone,
  kVolumeSlide,   // param > 0 slides up, < 0 down, by that much per tick
  kPatternBreak,  // to row 0 of the next order
  kSpeed,         // ticks per row
  kTempo,         // beats per minute, in the trackers' sense
  kNoteCut,       // silences the channel on tick param
};

struct TrackerCell {
  static constexpr int kNoNote = -1;
  static constexpr int kCut = -2;

  int note = kNoNote;  // MIDI note, kNoNote or kCut
  int sample = 0;      // 1-based; 0 keeps the channel's sample
  int volume = -1;     // 0 to 64, or -1 for the sample's own
  TrackerEffect effect = TrackerEffect::kNone;
  int param = 0;

  bool operator==(const TrackerCell&) const = default;
};

struct TrackerPattern {
  int rows = 64;
  std::vector<TrackerCell> cells;  // row after row, each row `channels` cells wide

  bool operator==(const TrackerPattern&) const = default;
};

struct TrackerSong {
  std::string title;
  int channels = 4;
  int speed = 6;
  int tempo = 125;
  std::vector<int> panning;  // per channel, 0 (left) to 64 (right); formats that can't pan ignore it
  std::vector<TrackerSample> samples;
  std::vector<TrackerPattern> patterns;
  std::vector<int> orders;
};
