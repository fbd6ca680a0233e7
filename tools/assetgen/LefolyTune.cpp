// "lefoly": the strategy mode's music. A broken-chord guitar walks through A minor
// while a soft flute thinks out loud above it; nothing hurries the player.
#include "assetgen/Arrange.h"
#include "assetgen/Instruments.h"
#include "assetgen/ModFile.h"
#include "assetgen/Tunes.h"

namespace {

enum Sample { kGuitar = 1, kBass, kFlute, kKick, kRim, kHat };
enum Channel { kLead, kChords, kLow, kDrums };  // ProTracker pans them left, right, right, left
constexpr int kBar = 16;
constexpr int kPart = 4 * kBar;

const std::vector<DrumHit> kKit = {{'K', kKick, 72, 44}, {'S', kRim, 72, 34}, {'h', kHat, 72, 20}};

std::vector<TrackerSample> MakeSamples() {
  const double rate = kModSampleRate;
  ToneShape flute;
  flute.harmonics = {1.0, 0.3, 0.14, 0.06, 0.03};
  flute.attackSeconds = 0.07;
  flute.attackBrightness = 1.5;
  flute.loopSeconds = 0.8;
  flute.vibratoCents = 14.0;
  flute.vibratoHz = 5.0;
  return {
      Pluck("guitar", rate, 72, 1.6, 0.55, 1.3, 101),
      Pluck("bass", rate, 48, 1.8, 0.35, 2.0, 102),
      HeldTone("flute", rate, 79, flute),
      Kick("kick", rate, 72, 0.7),
      Snare("rim", rate, 72, 103),
      HiHat("hat", rate, 72, 0.08, 104),
  };
}

// One four-bar part: broken chords, bass and drums, and the tune when there is one.
void Part(Score& score, int row, const char* chords, const char* tune, const char* groove, const char* bass) {
  const auto progression = ParseProgression(chords);
  BrokenChords(score, row, kChords, kGuitar, progression, 57, "01234321", 2, 38);
  BassLine(score, row, kLow, kBass, progression, 33, bass, 58);
  if (groove != nullptr) {
    Drums(score, row, kDrums, kKit, groove, 4);
  }
  if (tune != nullptr) {
    score.Line(row, kLead, 2, kFlute, tune, 44);
  }
}

}  // namespace

TrackerSong LefolyTune() {
  TrackerSong song;
  song.title = "lefoly";
  song.samples = MakeSamples();
  Score score(4);

  const char* verse1 = "Am F C G";
  const char* verse2 = "Am F Dm E";
  const char* tune1 = "A4 . C5 . E5 . . D5 | C5 . . . A4 . . . | G4 . C5 . E5 . . G5 | F5 . E5 . D5 . . .";
  const char* tune2 =
      "E5 . . C5 A4 . . C5 | F5 . E5 . C5 . A4 . | D5 . F5 . A5 . G5 F5 | E5 . . . G#4 . B4 .";
  const char* groove = "K.h.h.K.S.h.h.h.";
  const char* walk = "R.....R.....5.O.";

  int row = 0;
  Part(score, row, verse1, nullptr, nullptr, "R.......5.......");
  Part(score, row += kPart, verse2, nullptr, groove, walk);
  for (int pass = 0; pass < 2; ++pass) {
    Part(score, row += kPart, verse1, tune1, groove, walk);
    Part(score, row += kPart, verse2, tune2, groove, walk);
    if (pass == 0) {
      Part(score, row += kPart, "F G Em Am",
           "A5 . . . G5 . F5 . | G5 . . . D5 . . . | E5 . G5 . B5 . A5 G5 | A5 . . . . . E5 .",
           "K.h.h.h.S.h.K.h.", walk);
      Part(score, row += kPart, "Dm G C E",
           "F5 . . . E5 . D5 . | D5 . . . B4 . G4 . | C5 . E5 . G5 . C6 . | B5 . . . G#5 . E5 .",
           "K.h.h.h.S.h.K.h.", walk);
      Drums(score, row + 3 * kBar, kDrums, kKit, "K.h.h.K.S.h.S.S.", 1);
    }
  }

  // The close: the chords slow to a last A minor, and the flute fades on its tonic.
  row += kPart;
  const auto close = ParseProgression("Am F E");
  BrokenChords(score, row, kChords, kGuitar, close, 57, "01234321", 2, 38);
  BassLine(score, row, kLow, kBass, close, 33, "R.....R.....5.O.", 58);
  Drums(score, row, kDrums, kKit, "K.h.h.K.S.h.h.h.", 3);
  const int last = row + 3 * kBar;
  BrokenChords(score, last, kChords, kGuitar, ParseProgression("Am"), 57, "0123....", 2, 38);
  BassLine(score, last, kLow, kBass, ParseProgression("Am"), 33, "R...............", 58);
  score.Note(last, kDrums, 72, kKick, 44);
  score.Line(row, kLead, 2, kFlute, "C5 . . . B4 . A4 . | A4 . . . C5 . . . | B4 . . . G#4 . . . | A4", 44);
  // Half a bar more than the music, so the strings ring out before the song stops.
  const int end = last + kBar + 8;
  for (int fade = last + 4; fade < end; fade += 2) {
    score.Effect(fade, kLead, TrackerEffect::kVolumeSlide, -1);
  }
  for (int fade = last + 8; fade < end; ++fade) {
    score.Effect(fade, kChords, TrackerEffect::kVolumeSlide, -1);
    score.Effect(fade, kLow, TrackerEffect::kVolumeSlide, -1);
  }

  score.Effect(0, kLead, TrackerEffect::kSpeed, 6);
  score.Effect(0, kDrums, TrackerEffect::kTempo, 96);
  score.Fill(song, end);
  return song;
}
