// A song written from start to end on one long sheet of rows, then cut into
// patterns. Sections that repeat come out as one pattern played again.
#pragma once

#include <string_view>
#include <vector>

#include "assetgen/TrackerSong.h"

class Score {
 public:
  explicit Score(int channels) : channels_(channels) {}

  int Channels() const { return channels_; }
  int Rows() const { return static_cast<int>(cells_.size()) / channels_; }

  TrackerCell& At(int row, int channel);
  void Note(int row, int channel, int note, int sample, int volume = -1);
  // Throws std::logic_error when the cell already holds an effect, which would be lost.
  void Effect(int row, int channel, TrackerEffect effect, int param);

  // Writes a line of tokens on one channel from `row`, each token lasting `step`
  // rows: a note name ("C4", "F#3") strikes `sample`, "." lets the last note ring,
  // "^" cuts it, and "|" is a bar line that takes no time. Returns the row after it.
  int Line(int row, int channel, int step, int sample, std::string_view text, int volume = -1);

  // Cuts the first `endRow` rows into 64-row patterns, sharing identical ones, and
  // breaks out of the last pattern at `endRow` so the song stops there.
  void Fill(TrackerSong& song, int endRow) const;

 private:
  int channels_;
  std::vector<TrackerCell> cells_;
};
