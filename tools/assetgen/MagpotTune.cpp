// "magpot": the arcade mode's music. Four-on-the-floor drums, a pumping octave
// bass and sixteenth-note plucks in E minor keep the pace up while rows climb.
#include "assetgen/Arrange.h"
#include "assetgen/Instruments.h"
#include "assetgen/ModFile.h"
#include "assetgen/Tunes.h"

namespace {

enum Sample { kKick = 1, kSnare, kHat, kBass, kPluck, kLead };
enum Channel { kDrums, kLow, kChords, kMelody };  // ProTracker pans them left, right, right, left
constexpr int kBar = 16;
constexpr int kPart = 4 * kBar;

const std::vector<DrumHit> kKit = {{'K', kKick, 72, 64}, {'S', kSnare, 72, 50}, {'h', kHat, 72, 26}};

std::vector<TrackerSample> MakeSamples() {
  const double rate = kModSampleRate;
  ToneShape bass;
  bass.harmonics = {1.0, 0.5, 0.33, 0.25, 0.2, 0.16, 0.12, 0.1, 0.08, 0.06};
  bass.attackSeconds = 0.04;
  bass.attackBrightness = 1.0;
  bass.loopSeconds = 0.5;
  ToneShape lead;
  lead.harmonics = {1.0, 0.12, 0.33, 0.08, 0.2, 0.05, 0.14, 0.03, 0.1};
  lead.detune = {-1, 1};
  lead.attackSeconds = 0.02;
  lead.attackBrightness = 0.6;
  lead.loopSeconds = 0.5;
  lead.vibratoCents = 12.0;
  lead.vibratoHz = 6.0;
  return {
      Kick("kick", rate, 72, 1.0),
      Snare("snare", rate, 72, 201),
      HiHat("hat", rate, 72, 0.05, 202),
      HeldTone("bass", rate, 52, bass),
      Pluck("pluck", rate, 72, 0.6, 0.9, 0.35, 203),
      HeldTone("lead", rate, 84, lead),
  };
}

void Rhythm(Score& score, int row, const char* chords, const char* groove, bool plucks) {
  const auto progression = ParseProgression(chords);
  BassLine(score, row, kLow, kBass, progression, 28, "R.O.R.O.R.O.R.O.", 50);
  Drums(score, row, kDrums, kKit, groove, 4);
  if (plucks) {
    BrokenChords(score, row, kChords, kPluck, progression, 64, "0212321202124212", 1, 28);
  }
}

}  // namespace

TrackerSong MagpotTune() {
  TrackerSong song;
  song.title = "magpot";
  song.samples = MakeSamples();
  Score score(4);

  const char* groove = "K.hhS.hhK.hKS.hh";
  const char* verse = "Em C D B";
  const char* chorus1 = "Am Em C D";
  const char* chorus2 = "Am Em C B";
  const char* tune1 =
      "B4 . E5 . G5 . F#5 E5 | G5 . . . E5 . C5 . | D5 . F#5 . A5 . G5 F#5 | F#5 . . . D#5 . B4 .";
  const char* tune2 =
      "B4 . E5 . G5 . B5 . | C6 . B5 . G5 . E5 . | F#5 . A5 . D6 . C6 B5 | B5 . . . A5 . F#5 D#5";
  const char* tune3 = "A5 . . . . . C6 . | B5 . . . G5 . E5 . | E5 . G5 . C6 . B5 . | A5 . . . . . F#5 .";
  const char* tune4 = "A5 . . . . . C6 . | B5 . . . G5 . B5 . | C6 . . . E6 . D6 . | D#6 . . . B5 . . .";

  int row = 0;
  Rhythm(score, row, verse, "K.h.K.h.K.h.K.h.", false);
  Rhythm(score, row += kPart, verse, groove, true);
  // Verse and chorus twice, with a breather between, then the verse once more.
  for (int pass = 0; pass < 2; ++pass) {
    Rhythm(score, row += kPart, verse, groove, true);
    score.Line(row, kMelody, 2, kLead, tune1, 40);
    Rhythm(score, row += kPart, verse, groove, true);
    score.Line(row, kMelody, 2, kLead, tune2, 40);
    Rhythm(score, row += kPart, chorus1, groove, true);
    score.Line(row, kMelody, 2, kLead, tune3, 40);
    Rhythm(score, row += kPart, chorus2, groove, true);
    score.Line(row, kMelody, 2, kLead, tune4, 40);
    if (pass == 0) {
      Rhythm(score, row += kPart, verse, "K...S...K...S...", false);
      Drums(score, row + 3 * kBar, kDrums, kKit, "K.S.S.S.SSSSSSSS", 1);
      score.Line(row, kMelody, 16, kLead, "E5 G5 F#5 D#5", 34);
    }
  }
  Rhythm(score, row += kPart, verse, groove, true);
  score.Line(row, kMelody, 2, kLead, tune1, 40);

  // The end: one last turn round to E minor, a single hit, and the lead dies away.
  row += kPart;
  Rhythm(score, row, "Em C B", groove, true);
  score.Line(row, kMelody, 2, kLead,
             "B4 . E5 . G5 . B5 . | C6 . B5 . G5 . E5 . | D#5 . F#5 . B5 . A5 F#5 | E5", 40);
  const int last = row + 3 * kBar;
  score.Note(last, kDrums, 72, kKick, 64);
  score.Note(last, kLow, 28, kBass, 50);
  score.Note(last, kChords, 64, kPluck, 40);
  const int end = last + kBar + 8;
  for (int fade = last + 1; fade < end; ++fade) {
    score.Effect(fade, kLow, TrackerEffect::kVolumeSlide, -2);
    score.Effect(fade, kChords, TrackerEffect::kVolumeSlide, -1);
    score.Effect(fade, kMelody, TrackerEffect::kVolumeSlide, -1);
  }

  score.Effect(0, kChords, TrackerEffect::kSpeed, 6);
  score.Effect(0, kMelody, TrackerEffect::kTempo, 140);
  score.Fill(song, end);
  return song;
}
