// Notes and chords by name, so the compositions read like lead sheets:
// "F#4" is MIDI 66, "Am7" is A with a minor third, a fifth and a minor seventh.
#pragma once

#include <string_view>
#include <vector>

struct Chord {
  int root = 0;                // pitch class, C = 0
  std::vector<int> intervals;  // semitones above the root, the root itself included
};

// "C4" is middle C (MIDI 60); sharps with '#', flats with 'b'. Throws std::invalid_argument.
int ParseNote(std::string_view name);
// A root ("F#", "Bb") and a quality: "", "m", "7", "m7", "maj7", "sus4", "sus2", "dim". Throws too.
Chord ParseChord(std::string_view name);
// Chord names separated by spaces.
std::vector<Chord> ParseProgression(std::string_view names);

// The chord's tones from `lowest` upward, as many as asked for, repeating by octaves.
std::vector<int> ChordTones(const Chord& chord, int lowest, int count);
// The root's MIDI note at or above `lowest`, within an octave.
int RootAbove(const Chord& chord, int lowest);
