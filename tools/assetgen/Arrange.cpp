#include "assetgen/Arrange.h"

#include <stdexcept>
#include <string>

int BrokenChords(Score& score, int row, int channel, int sample, const std::vector<Chord>& chords, int lowest,
                 std::string_view digits, int step, int volume) {
  for (const Chord& chord : chords) {
    const std::vector<int> tones = ChordTones(chord, lowest, 10);
    for (char digit : digits) {
      if (digit >= '0' && digit <= '9') {
        score.Note(row, channel, tones[static_cast<std::size_t>(digit - '0')], sample, volume);
      }
      row += step;
    }
  }
  return row;
}

int BassLine(Score& score, int row, int channel, int sample, const std::vector<Chord>& chords, int lowest,
             std::string_view rhythm, int volume) {
  for (const Chord& chord : chords) {
    const int root = RootAbove(chord, lowest);
    const int third = chord.intervals.size() > 1 ? chord.intervals[1] : 4;
    const int fifth = chord.intervals.size() > 2 ? chord.intervals[2] : 7;
    for (char symbol : rhythm) {
      int note = -1;
      switch (symbol) {
        case 'R':
          note = root;
          break;
        case '3':
          note = root + third;
          break;
        case '5':
          note = root + fifth;
          break;
        case 'O':
          note = root + 12;
          break;
        case '.':
          break;
        default:
          throw std::invalid_argument(std::string("not a bass step: ") + symbol);
      }
      if (note >= 0) {
        score.Note(row, channel, note, sample, volume);
      }
      ++row;
    }
  }
  return row;
}

int Drums(Score& score, int row, int channel, const std::vector<DrumHit>& kit, std::string_view groove,
          int bars) {
  for (int bar = 0; bar < bars; ++bar) {
    for (char symbol : groove) {
      for (const DrumHit& hit : kit) {
        if (hit.symbol == symbol) {
          score.Note(row, channel, hit.note, hit.sample, hit.volume);
        }
      }
      ++row;
    }
  }
  return row;
}
