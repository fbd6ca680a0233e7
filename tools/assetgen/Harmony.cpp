#include "assetgen/Harmony.h"

#include <stdexcept>
#include <string>

namespace {

// Reads a letter and an optional accidental from the front of `text`, as semitones
// above C; Cb gives -1 and B# gives 12, so octave numbers stay with the letter.
int Pitch(std::string_view& text) {
  static constexpr int kLetters[7] = {9, 11, 0, 2, 4, 5, 7};  // A to G
  if (text.empty() || text[0] < 'A' || text[0] > 'G') {
    throw std::invalid_argument("not a note: " + std::string(text));
  }
  int pitch = kLetters[text[0] - 'A'];
  text.remove_prefix(1);
  if (!text.empty() && (text[0] == '#' || text[0] == 'b')) {
    pitch += text[0] == '#' ? 1 : -1;
    text.remove_prefix(1);
  }
  return pitch;
}

}  // namespace

int ParseNote(std::string_view name) {
  std::string_view rest = name;
  const int pitch = Pitch(rest);
  if (rest.size() != 1 || rest[0] < '0' || rest[0] > '9') {
    throw std::invalid_argument("not a note: " + std::string(name));
  }
  return (rest[0] - '0' + 1) * 12 + pitch;
}

Chord ParseChord(std::string_view name) {
  const std::string whole(name);
  std::string_view rest = name;
  Chord chord;
  chord.root = (Pitch(rest) + 12) % 12;
  if (rest.empty()) {
    chord.intervals = {0, 4, 7};
  } else if (rest == "m") {
    chord.intervals = {0, 3, 7};
  } else if (rest == "7") {
    chord.intervals = {0, 4, 7, 10};
  } else if (rest == "m7") {
    chord.intervals = {0, 3, 7, 10};
  } else if (rest == "maj7") {
    chord.intervals = {0, 4, 7, 11};
  } else if (rest == "sus4") {
    chord.intervals = {0, 5, 7};
  } else if (rest == "sus2") {
    chord.intervals = {0, 2, 7};
  } else if (rest == "dim") {
    chord.intervals = {0, 3, 6};
  } else {
    throw std::invalid_argument("not a chord: " + whole);
  }
  return chord;
}

std::vector<Chord> ParseProgression(std::string_view names) {
  std::vector<Chord> chords;
  while (!names.empty()) {
    const auto start = names.find_first_not_of(' ');
    if (start == std::string_view::npos) {
      break;
    }
    names.remove_prefix(start);
    const auto end = names.find(' ');
    chords.push_back(ParseChord(names.substr(0, end)));
    names.remove_prefix(end == std::string_view::npos ? names.size() : end);
  }
  return chords;
}

std::vector<int> ChordTones(const Chord& chord, int lowest, int count) {
  std::vector<int> tones;
  for (int note = lowest; static_cast<int>(tones.size()) < count; ++note) {
    const int interval = ((note - chord.root) % 12 + 12) % 12;
    for (int member : chord.intervals) {
      if (member % 12 == interval) {
        tones.push_back(note);
        break;
      }
    }
  }
  return tones;
}

int RootAbove(const Chord& chord, int lowest) {
  int note = lowest;
  while (((note - chord.root) % 12 + 12) % 12 != 0) {
    ++note;
  }
  return note;
}
