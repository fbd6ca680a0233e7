// Parts that follow a chord progression, one chord per bar: broken chords, bass
// lines and drum grooves, each written as a short rhythm that repeats every bar.
#pragma once

#include <string_view>
#include <vector>

#include "assetgen/Harmony.h"
#include "assetgen/Score.h"

// Digits pick chord tones counted up from `lowest` (0 is the first), one per `step`
// rows; "." rests. Returns the row after the last bar.
int BrokenChords(Score& score, int row, int channel, int sample, const std::vector<Chord>& chords, int lowest,
                 std::string_view digits, int step, int volume = -1);

// One character per row: 'R' the root at or above `lowest`, '3' the chord's third,
// '5' the fifth, 'O' the octave, "." nothing.
int BassLine(Score& score, int row, int channel, int sample, const std::vector<Chord>& chords, int lowest,
             std::string_view rhythm, int volume = -1);

struct DrumHit {
  char symbol;
  int sample;
  int note;
  int volume;
};
// One character per row, a kit symbol or "."; the groove is played `bars` times.
int Drums(Score& score, int row, int channel, const std::vector<DrumHit>& kit, std::string_view groove,
          int bars);
