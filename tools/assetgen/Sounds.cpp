// The game's sound effects, each synthesized to suit its event: short and dry for
// the interface, longer and tuned for rewards, noisy for things that break.
#include "assetgen/Sounds.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "assetgen/AssetSink.h"
#include "assetgen/Random.h"
#include "assetgen/Synth.h"
#include "assetgen/Wav.h"

namespace {

constexpr int kRate = 44100;
constexpr double kR = kRate;

using Samples = std::vector<float>;

std::size_t At(double seconds) { return static_cast<std::size_t>(std::lround(seconds * kR)); }

// A struck bell: a sine carrier with a sine modulator at an inharmonic ratio, the
// modulation dying faster than the tone so the strike is bright and the tail pure.
Samples Bell(double frequency, double seconds, double tau) {
  Samples out(At(seconds));
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kR;
    // A gentle index: the sidebands of high notes would otherwise reach past hearing and fold back.
    const double index = 1.4 * std::exp(-t / (tau * 0.3));
    const double modulator = std::sin(2.0 * kPi * frequency * 3.5 * t);
    out[i] = static_cast<float>(std::sin(2.0 * kPi * frequency * t + index * modulator) * std::exp(-t / tau));
  }
  FadeEdges(out, kR, 0.002, 0.01);
  return out;
}

// A brassy note: a rich harmonic tone whose brightness swells in, then settles.
Samples Brass(double frequency, double seconds, double vibrato) {
  Samples out = HarmonicSweep(
      seconds, kR,
      [=](double t) {
        return frequency * (1.0 + vibrato * std::sin(2.0 * kPi * 5.5 * t) * std::min(1.0, t * 3.0));
      },
      [=](double t) { return std::min(1.0, t / 0.03) * (t > seconds - 0.08 ? (seconds - t) / 0.08 : 1.0); },
      {1.0, 0.7, 0.5, 0.35, 0.25, 0.18, 0.12, 0.08, 0.05});
  SweptFilter(
      out, kR, FilterMode::kLowPass,
      [=](double t) {
        return frequency * (2.0 + 5.0 * std::exp(-t / 0.15)) + 600.0 * std::min(1.0, t * 8.0);
      },
      0.8);
  FadeEdges(out, kR, 0.004, 0.02);
  return out;
}

// A low sine that drops in pitch: the body of every thud and boom.
Samples Thud(double from, double to, double seconds, double tau) {
  return SineSweep(
      seconds, kR, [=](double t) { return to + (from - to) * std::exp(-t / (tau * 0.4)); },
      [=](double t) { return std::exp(-t / tau); });
}

Samples Click() {
  Random random(11);
  Samples out = SineSweep(
      0.035, kR, [](double t) { return 2400.0 - 8000.0 * t; }, [](double) { return 1.0; });
  Samples noise = WhiteNoise(0.006, kR, random);
  OnePoleHighPass(noise, kR, 3000.0);
  MixInto(out, noise, 0, 0.5f);
  ExponentialDecay(out, kR, 0.006);
  FadeEdges(out, kR, 0.0005, 0.008);
  ScaleToPeak(out, 0.6f);
  return out;
}

Samples Action() {
  // A rising fifth: the interface saying "yes".
  Samples out;
  const double notes[] = {NoteFrequency(76), NoteFrequency(83)};
  for (int i = 0; i < 2; ++i) {
    Samples tone = HarmonicSweep(
        0.09, kR, [&](double) { return notes[i]; }, [](double t) { return std::exp(-t / 0.04); },
        {1.0, 0.0, 0.2});
    FadeEdges(tone, kR, 0.002, 0.02);
    MixInto(out, tone, At(0.05 * i), 1.0f);
  }
  ScaleToPeak(out, 0.7f);
  return out;
}

Samples RotateRing() {
  Random random(23);
  // Air moving past the blocks, and the detents of the ring as it steps.
  Samples out = WhiteNoise(0.2, kR, random);
  SweptFilter(
      out, kR, FilterMode::kBandPass, [](double t) { return 700.0 + 2400.0 * std::sin(kPi * t / 0.2); }, 2.0);
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] *= static_cast<float>(std::sin(kPi * static_cast<double>(i) / static_cast<double>(out.size())));
  }
  for (int tick = 0; tick < 3; ++tick) {
    Samples detent = SineSweep(
        0.02, kR, [](double) { return 1800.0; }, [](double t) { return std::exp(-t / 0.003); });
    MixInto(out, detent, At(0.02 + 0.06 * tick), 0.35f - 0.08f * static_cast<float>(tick));
  }
  FadeEdges(out, kR, 0.001, 0.02);
  ScaleToPeak(out, 0.6f);
  return out;
}

Samples AddBlock() {
  Samples out = SineSweep(
      0.12, kR, [](double t) { return 260.0 + 700.0 * std::exp(-t / 0.012); },
      [](double t) { return std::exp(-t / 0.035); });
  FadeEdges(out, kR, 0.002, 0.03);
  ScaleToPeak(out, 0.65f);
  return out;
}

Samples SmashRing() {
  Random random(37);
  Samples out = Thud(180.0, 60.0, 0.6, 0.12);
  // Shards: short bursts of ringing noise scattered over the first moments.
  for (int shard = 0; shard < 14; ++shard) {
    const double start = 0.25 * std::pow(static_cast<double>(shard) / 14.0, 1.5);
    const double pitch = 1500.0 + 3500.0 * (0.5 + 0.5 * random.Bipolar());
    Samples grain = WhiteNoise(0.08, kR, random);
    SweptFilter(
        grain, kR, FilterMode::kBandPass, [=](double) { return pitch; }, 8.0);
    ExponentialDecay(grain, kR, 0.015);
    MixInto(out, grain, At(start), 1.4f * (1.0f - static_cast<float>(shard) / 20.0f));
  }
  Samples crunch = WhiteNoise(0.6, kR, random);
  SweptFilter(
      crunch, kR, FilterMode::kLowPass, [](double t) { return 300.0 + 5000.0 * std::exp(-t / 0.1); }, 0.9);
  ExponentialDecay(crunch, kR, 0.09);
  MixInto(out, crunch, 0, 0.8f);
  Saturate(out, 1.8);
  FadeEdges(out, kR, 0.001, 0.1);
  ScaleToPeak(out, 0.85f);
  return out;
}

Samples ExtraPoints() {
  // A quick major arpeggio of bells, ending an octave up.
  Samples out;
  const int notes[] = {84, 88, 91, 96};
  for (int i = 0; i < 4; ++i) {
    MixInto(out, Bell(NoteFrequency(notes[i]), 0.7 - 0.05 * i, 0.18 + 0.05 * i), At(0.055 * i), 0.8f);
  }
  FadeEdges(out, kR, 0.001, 0.15);
  ScaleToPeak(out, 0.75f);
  return out;
}

Samples CountPoints() {
  // Played many times a second while the score counts, so short and quiet.
  Samples out = SineSweep(
      0.03, kR, [](double) { return NoteFrequency(100); }, [](double t) { return std::exp(-t / 0.007); });
  FadeEdges(out, kR, 0.0005, 0.008);
  ScaleToPeak(out, 0.45f);
  return out;
}

Samples LevelOver() {
  // Three pickup notes, then the tonic chord held.
  Samples out;
  const struct {
    int note;
    double start;
    double length;
  } notes[] = {{67, 0.0, 0.13}, {72, 0.14, 0.13}, {76, 0.28, 0.13},
               {79, 0.42, 0.9}, {76, 0.42, 0.9},  {72, 0.42, 0.9}};
  for (const auto& n : notes) {
    MixInto(out, Brass(NoteFrequency(n.note), n.length, n.length > 0.5 ? 0.006 : 0.0), At(n.start), 0.5f);
  }
  FadeEdges(out, kR, 0.002, 0.2);
  ScaleToPeak(out, 0.8f);
  return out;
}

Samples Win() {
  Random random(53);
  Samples out;
  // A bouncy tune on plucked strings over a walking bass, closing on a bell chord.
  const struct {
    int note;
    double beat;
  } tune[] = {{72, 0}, {76, 0.5}, {79, 1},   {84, 1.5}, {81, 2.5},
              {83, 3}, {84, 3.5}, {79, 4.5}, {84, 5},   {88, 5.5}};
  const double beatSeconds = 0.22;
  for (const auto& n : tune) {
    MixInto(out, PluckedString(NoteFrequency(n.note), kR, 0.8, 0.8, 0.6, random), At(n.beat * beatSeconds),
            0.6f);
    MixInto(out, PluckedString(NoteFrequency(n.note + 12), kR, 0.5, 0.9, 0.3, random),
            At(n.beat * beatSeconds), 0.15f);
  }
  const int bass[] = {48, 55, 53, 55, 48};
  for (int i = 0; i < 5; ++i) {
    MixInto(out, PluckedString(NoteFrequency(bass[i]), kR, 0.6, 0.5, 0.5, random), At(i * beatSeconds * 1.25),
            0.5f);
  }
  for (int note : {84, 88, 91}) {
    MixInto(out, Bell(NoteFrequency(note), 1.6, 0.5), At(5.5 * beatSeconds), 0.25f);
  }
  out.resize(At(2.6));
  FadeEdges(out, kR, 0.001, 0.5);
  ScaleToPeak(out, 0.8f);
  return out;
}

Samples Loose() {
  // Three steps down a semitone each, the last one long, sagging and wobbling.
  Samples out;
  const int notes[] = {67, 66, 65, 64};
  for (int i = 0; i < 4; ++i) {
    const double length = i < 3 ? 0.32 : 1.0;
    Samples note = Brass(NoteFrequency(notes[i]), length, i < 3 ? 0.0 : 0.012);
    if (i == 3) {
      // The final note droops a little as it fades.
      note = HarmonicSweep(
          length, kR,
          [&](double t) {
            return NoteFrequency(notes[i] - 0.6 * t) * (1.0 + 0.012 * std::sin(2.0 * kPi * 5.0 * t));
          },
          [=](double t) { return std::min(1.0, t / 0.03) * std::exp(-t / 0.5); },
          {1.0, 0.6, 0.4, 0.25, 0.15, 0.1});
      SweptFilter(
          note, kR, FilterMode::kLowPass, [](double t) { return 1800.0 - 1000.0 * t; }, 0.8);
    }
    FadeEdges(note, kR, 0.004, 0.04);
    MixInto(out, note, At(0.34 * i), 0.6f);
  }
  FadeEdges(out, kR, 0.002, 0.3);
  ScaleToPeak(out, 0.75f);
  return out;
}

Samples Alarm() {
  Samples out;
  for (int beep = 0; beep < 2; ++beep) {
    Samples tone = HarmonicSweep(
        0.15, kR, [](double) { return 880.0; }, [](double) { return 1.0; },
        {1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14});
    FadeEdges(tone, kR, 0.005, 0.015);
    MixInto(out, tone, At(0.25 * beep), 1.0f);
  }
  FadeEdges(out, kR, 0.001, 0.005);
  // A steady tone is louder than its peak suggests, so it peaks lower than the rest.
  ScaleToPeak(out, 0.55f);
  return out;
}

Samples Explosion() {
  Random random(71);
  Samples out = WhiteNoise(1.6, kR, random);
  SweptFilter(
      out, kR, FilterMode::kLowPass, [](double t) { return 80.0 + 4000.0 * std::exp(-t / 0.12); }, 1.1);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kR;
    out[i] *= static_cast<float>(std::min(1.0, t / 0.004) * std::exp(-t / 0.45));
  }
  MixInto(out, Thud(110.0, 35.0, 1.2, 0.35), 0, 0.9f);
  Saturate(out, 2.0);
  FadeEdges(out, kR, 0.001, 0.3);
  ScaleToPeak(out, 0.9f);
  return out;
}

Samples AddRing() {
  Random random(89);
  // Everything rises together: the new row pushes the others up.
  const double length = 0.45;
  Samples out = HarmonicSweep(
      length, kR, [=](double t) { return 110.0 * std::pow(4.0, t / length); },
      [=](double t) { return std::sin(kPi * std::min(1.0, t / length * 1.1)); }, {1.0, 0.5, 0.25});
  Samples air = WhiteNoise(length, kR, random);
  SweptFilter(
      air, kR, FilterMode::kBandPass, [=](double t) { return 400.0 * std::pow(6.0, t / length); }, 3.0);
  for (std::size_t i = 0; i < air.size(); ++i) {
    air[i] *= static_cast<float>(static_cast<double>(i) / static_cast<double>(air.size()));
  }
  MixInto(out, air, 0, 0.8f);
  MixInto(out, Thud(160.0, 80.0, 0.08, 0.02), At(length - 0.06), 0.5f);
  FadeEdges(out, kR, 0.01, 0.02);
  ScaleToPeak(out, 0.7f);
  return out;
}

Samples FallDown() {
  Random random(97);
  // A short fall, then the blocks land one after another, each a little softer.
  Samples out = SineSweep(
      0.3, kR, [](double t) { return 700.0 * std::pow(0.25, t / 0.3); },
      [](double t) { return 0.3 * (1.0 - t / 0.3); });
  for (int landing = 0; landing < 3; ++landing) {
    Samples thud = Thud(140.0 - 20.0 * landing, 45.0, 0.3, 0.07);
    Samples dust = WhiteNoise(0.1, kR, random);
    OnePoleLowPass(dust, kR, 1500.0);
    ExponentialDecay(dust, kR, 0.02);
    MixInto(thud, dust, 0, 0.5f);
    FadeEdges(thud, kR, 0.002, 0.02);
    MixInto(out, thud, At(0.28 + 0.11 * landing), 1.0f - 0.25f * static_cast<float>(landing));
  }
  FadeEdges(out, kR, 0.003, 0.08);
  ScaleToPeak(out, 0.8f);
  return out;
}

}  // namespace

void WriteSounds(AssetSink& sink) {
  const struct {
    const char* name;
    Samples (*make)();
  } sounds[] = {
      {"click.wav", Click},
      {"action.wav", Action},
      {"rotate_ring.wav", RotateRing},
      {"add_block.wav", AddBlock},
      {"smash_ring.wav", SmashRing},
      {"extra_points.wav", ExtraPoints},
      {"count_points.wav", CountPoints},
      {"level_over.wav", LevelOver},
      {"win.wav", Win},
      {"loose.wav", Loose},
      {"alarm.wav", Alarm},
      {"explosion.wav", Explosion},
      {"add_ring.wav", AddRing},
      {"fall_down.wav", FallDown},
  };
  for (const auto& sound : sounds) {
    sink.AddSound(sound.name, EncodeWav(sound.make(), kRate));
  }
}
