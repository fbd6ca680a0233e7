// The music's instruments, each synthesized into a tracker sample at the rate the
// module format wants. Held instruments loop over a whole number of cycles, so a
// note can last as long as the music needs without a seam.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "assetgen/TrackerSong.h"

struct ToneShape {
  std::vector<double> harmonics = {1.0};  // amplitudes, fundamental first
  std::vector<int> detune = {0};          // chorus voices, in cycles per loop off the note
  double attackSeconds = 0.01;
  double attackBrightness = 0.0;  // extra strength of the upper harmonics at the onset
  double loopSeconds = 0.5;
  double vibratoCents = 0.0;
  double vibratoHz = 5.0;
};

// A held tone: an attack, then a loop that repeats for as long as the note lasts.
TrackerSample HeldTone(const std::string& name, double rate, int rootNote, const ToneShape& shape);
// A plucked string, left to ring out.
TrackerSample Pluck(const std::string& name, double rate, int rootNote, double seconds, double brightness,
                    double decaySeconds, std::uint64_t seed);
// An electric piano-like struck tone: a bell's strike on a softer body.
TrackerSample Chime(const std::string& name, double rate, int rootNote, double seconds, double decaySeconds);

// Drums play at their root note; their pitch is baked in.
TrackerSample Kick(const std::string& name, double rate, int rootNote, double punch);
TrackerSample Snare(const std::string& name, double rate, int rootNote, std::uint64_t seed);
TrackerSample HiHat(const std::string& name, double rate, int rootNote, double seconds, std::uint64_t seed);
TrackerSample Shaker(const std::string& name, double rate, int rootNote, std::uint64_t seed);
