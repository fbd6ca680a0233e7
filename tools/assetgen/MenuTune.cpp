// "menu": the music under the menus. Slow pads in D major, a quiet harp and a
// chime melody with space around it; it should sit behind reading, not compete.
#include "assetgen/Arrange.h"
#include "assetgen/Instruments.h"
#include "assetgen/Tunes.h"

namespace {

enum Sample { kPad = 1, kBass, kHarp, kChime, kShaker, kKick };
enum Channel { kPadLow, kPadMiddle, kPadHigh, kLow, kChords, kMelody, kShake, kThump, kChannels };
constexpr double kRate = 22050.0;
constexpr int kBar = 16;
constexpr int kPart = 4 * kBar;
constexpr int kPadVolume = 34;

std::vector<TrackerSample> MakeSamples() {
  ToneShape pad;
  pad.harmonics = {1.0, 0.45, 0.2, 0.1, 0.05, 0.025};
  pad.detune = {-2, 0, 2};
  pad.attackSeconds = 0.9;
  pad.loopSeconds = 2.0;
  return {
      HeldTone("pad", kRate, 60, pad),
      Pluck("bass", kRate, 36, 3.0, 0.3, 3.0, 301),
      Pluck("harp", kRate, 60, 2.0, 0.5, 1.6, 302),
      Chime("chime", kRate, 72, 2.5, 0.9),
      Shaker("shaker", kRate, 72, 303),
      Kick("thump", kRate, 60, 0.4),
  };
}

// Three pad voices written out bar by bar, voiced close so each chord glides into the next.
void Pads(Score& score, int row, const char* low, const char* middle, const char* high) {
  score.Line(row, kPadLow, kBar, kPad, low, kPadVolume);
  score.Line(row, kPadMiddle, kBar, kPad, middle, kPadVolume);
  score.Line(row, kPadHigh, kBar, kPad, high, kPadVolume);
}

struct Part {
  const char* chords;
  const char* low;
  const char* middle;
  const char* high;
  const char* tune;
};

const Part kVerse1 = {"Dmaj7 Bm7 Gmaj7 A", "F#4 F#4 G4 E4", "A4 A4 B4 A4", "C#5 D5 D5 C#5",
                      "F#5 . . . E5 . D5 . | D5 . . . C#5 . B4 . | B4 . D5 . G5 . F#5 . | E5 . . . . . . ."};
const Part kVerse2 = {"Dmaj7 F#m7 Gmaj7 Asus4", "F#4 E4 F#4 E4", "A4 A4 B4 A4", "C#5 C#5 D5 D5",
                      "A5 . . . F#5 . E5 . | E5 . . . C#5 . A4 . | B4 . D5 . F#5 . A5 . | A5 . . . . . . ."};
const Part kBridge1 = {"Em7 A Dmaj7 Bm7", "G4 E4 F#4 F#4", "B4 A4 A4 B4", "D5 C#5 C#5 D5",
                       "G5 . . . F#5 . E5 . | E5 . . . C#5 . . . | F#5 . . . A5 . C#6 . | B5 . . . . . . ."};
const Part kBridge2 = {"Em7 Gmaj7 Asus4 A", "G4 F#4 E4 E4", "B4 B4 A4 A4", "D5 D5 D5 C#5",
                       "B5 . . . A5 . G5 . | F#5 . . . D5 . . . | E5 . . . D5 . . . | C#5 . . . E5 . . ."};

void Play(Score& score, int row, const Part& part, bool harp, bool tune, bool percussion) {
  const auto progression = ParseProgression(part.chords);
  Pads(score, row, part.low, part.middle, part.high);
  BassLine(score, row, kLow, kBass, progression, 35, harp ? "R.......5......." : "R...............", 58);
  if (harp) {
    BrokenChords(score, row, kChords, kHarp, progression, 62, "01234321", 2, 36);
  }
  if (tune) {
    score.Line(row, kMelody, 2, kChime, part.tune, 52);
  }
  if (percussion) {
    Drums(score, row, kShake, {{'s', kShaker, 72, 18}, {'S', kShaker, 72, 26}}, "..s...S...s...Ss", 4);
    Drums(score, row, kThump, {{'K', kKick, 60, 30}}, "K.........K.....", 4);
  }
}

}  // namespace

TrackerSong MenuTune() {
  TrackerSong song;
  song.title = "menu";
  song.speed = 6;
  song.tempo = 80;
  song.panning = {14, 32, 50, 32, 46, 22, 52, 32};
  song.samples = MakeSamples();
  Score score(kChannels);

  int row = 0;
  Play(score, row, kVerse1, false, false, false);
  Play(score, row += kPart, kVerse2, true, false, false);
  Play(score, row += kPart, kVerse1, true, true, true);
  Play(score, row += kPart, kVerse2, true, true, true);
  Play(score, row += kPart, kBridge1, true, true, true);
  Play(score, row += kPart, kBridge2, true, true, true);
  Play(score, row += kPart, kVerse1, true, true, true);

  // The close: back home to D, and everything fades with the last chord.
  row += kPart;
  const Part close = {"Dmaj7 Bm7 Gmaj7 D", "F#4 F#4 G4 F#4", "A4 A4 B4 A4", "C#5 D5 D5 D5",
                      "F#5 . . . . . A5 . | D5 . . . . . . . | B4 . . . D5 . . . | D5 . . . . . . ."};
  Play(score, row, close, true, true, false);
  const int last = row + 3 * kBar;
  BrokenChords(score, last, kChords, kHarp, ParseProgression("D"), 62, "0123....", 2, 36);
  // Half a bar of tail, so the harp and the chime ring out rather than stop.
  const int end = last + kBar + 8;
  for (int fade = last + 4; fade < end; fade += 2) {
    for (int channel : {kPadLow, kPadMiddle, kPadHigh}) {
      score.Effect(fade, channel, TrackerEffect::kVolumeSlide, -1);
    }
  }
  for (int fade = last + 8; fade < end; ++fade) {
    for (int channel : {kLow, kChords, kMelody}) {
      score.Effect(fade, channel, TrackerEffect::kVolumeSlide, -1);
    }
  }
  score.Fill(song, end);
  return song;
}
