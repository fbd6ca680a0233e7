#include "assetgen/Instruments.h"

#include <algorithm>
#include <cmath>

#include "assetgen/Random.h"
#include "assetgen/Synth.h"

namespace {

std::size_t Even(double samples) { return 2 * static_cast<std::size_t>(std::lround(samples / 2.0)); }

TrackerSample Make(const std::string& name, double rate, int rootNote, std::vector<float> data, float peak) {
  ScaleToPeak(data, peak);
  TrackerSample sample;
  sample.name = name;
  sample.data = std::move(data);
  sample.rate = rate;
  sample.rootNote = rootNote;
  return sample;
}

}  // namespace

TrackerSample HeldTone(const std::string& name, double rate, int rootNote, const ToneShape& shape) {
  // Every frequency in the tone is a whole number of cycles per loop, so the loop
  // end meets its start exactly. Rounding the loop to whole cycles detunes the
  // note by a fraction of a cent at most.
  const double frequency = NoteFrequency(rootNote);
  const auto cycles = static_cast<int>(std::lround(frequency * shape.loopSeconds));
  const std::size_t loop = Even(cycles * rate / frequency);
  const std::size_t attack = Even(shape.attackSeconds * rate);
  const double loopHz = rate / static_cast<double>(loop);
  const double vibratoHz = std::max(1.0, std::round(shape.vibratoHz / loopHz)) * loopHz;
  const double vibratoDepth = std::pow(2.0, shape.vibratoCents / 1200.0) - 1.0;

  std::vector<float> data(attack + loop);
  for (int voice : shape.detune) {
    const double voiceHz = (cycles + voice) * loopHz;
    // A phase wobble equal to the wanted frequency wobble; its own whole cycles per
    // loop keep the loop seamless.
    const double wobble = voiceHz * vibratoDepth / vibratoHz;
    for (std::size_t i = 0; i < data.size(); ++i) {
      const double t = static_cast<double>(i) / rate;
      const double onset = i < attack ? 1.0 - static_cast<double>(i) / static_cast<double>(attack) : 0.0;
      const double phase = 2.0 * kPi * voiceHz * t + wobble * std::sin(2.0 * kPi * vibratoHz * t);
      double value = 0.0;
      for (std::size_t h = 0; h < shape.harmonics.size(); ++h) {
        const double number = static_cast<double>(h + 1);
        if (voiceHz * number > rate * 0.45) {
          break;
        }
        const double boost = h == 0 ? 1.0 : 1.0 + shape.attackBrightness * onset * onset;
        value += shape.harmonics[h] * boost * std::sin(number * phase);
      }
      data[i] += static_cast<float>(value);
    }
  }
  for (std::size_t i = 0; i < attack; ++i) {
    const double x = static_cast<double>(i) / static_cast<double>(attack);
    data[i] *= static_cast<float>(x * x * (3.0 - 2.0 * x));
  }
  // Scale by the loop's peak: an attack brighter than the loop may go over, but
  // only by as much as the boost asks for.
  const float loopPeak =
      Peak(std::vector<float>(data.begin() + static_cast<std::ptrdiff_t>(attack), data.end()));
  const float overall = Peak(data);
  TrackerSample sample =
      Make(name, rate, rootNote, std::move(data), 0.9f * std::min(1.0f, loopPeak / overall));
  sample.loopStart = attack;
  sample.loopEnd = attack + loop;
  return sample;
}

TrackerSample Pluck(const std::string& name, double rate, int rootNote, double seconds, double brightness,
                    double decaySeconds, std::uint64_t seed) {
  Random random(seed);
  std::vector<float> data =
      PluckedString(NoteFrequency(rootNote), rate, seconds, brightness, decaySeconds, random);
  FadeEdges(data, rate, 0.001, 0.05);
  return Make(name, rate, rootNote, std::move(data), 0.9f);
}

TrackerSample Chime(const std::string& name, double rate, int rootNote, double seconds, double decaySeconds) {
  const double frequency = NoteFrequency(rootNote);
  std::vector<float> data(static_cast<std::size_t>(seconds * rate));
  for (std::size_t i = 0; i < data.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    // A 1:1 body for warmth and a 1:14 tine that dies away quickly.
    const double body =
        std::sin(2.0 * kPi * frequency * t + 1.2 * std::exp(-t / 0.4) * std::sin(2.0 * kPi * frequency * t));
    const double tine = std::sin(2.0 * kPi * frequency * t +
                                 0.8 * std::exp(-t / 0.05) * std::sin(2.0 * kPi * frequency * 14.0 * t));
    data[i] = static_cast<float>((0.7 * body + 0.3 * tine) * std::exp(-t / decaySeconds));
  }
  FadeEdges(data, rate, 0.002, 0.1);
  return Make(name, rate, rootNote, std::move(data), 0.9f);
}

TrackerSample Kick(const std::string& name, double rate, int rootNote, double punch) {
  std::vector<float> data = SineSweep(
      0.35, rate, [=](double t) { return 48.0 + 110.0 * punch * std::exp(-t / 0.03); },
      [](double t) { return std::exp(-t / 0.12); });
  Saturate(data, 1.5);
  FadeEdges(data, rate, 0.0005, 0.05);
  return Make(name, rate, rootNote, std::move(data), 0.95f);
}

TrackerSample Snare(const std::string& name, double rate, int rootNote, std::uint64_t seed) {
  Random random(seed);
  std::vector<float> noise = WhiteNoise(0.22, rate, random);
  SweptFilter(
      noise, rate, FilterMode::kBandPass, [](double) { return 3000.0; }, 0.6);
  ExponentialDecay(noise, rate, 0.06);
  std::vector<float> body = SineSweep(
      0.12, rate, [](double t) { return 180.0 + 60.0 * std::exp(-t / 0.01); },
      [](double t) { return std::exp(-t / 0.04); });
  MixInto(noise, body, 0, 0.8f);
  FadeEdges(noise, rate, 0.0005, 0.05);
  return Make(name, rate, rootNote, std::move(noise), 0.9f);
}

TrackerSample HiHat(const std::string& name, double rate, int rootNote, double seconds, std::uint64_t seed) {
  Random random(seed);
  std::vector<float> data = WhiteNoise(seconds, rate, random);
  SweptFilter(
      data, rate, FilterMode::kHighPass, [=](double) { return std::min(7000.0, rate * 0.35); }, 0.8);
  ExponentialDecay(data, rate, seconds / 4.0);
  FadeEdges(data, rate, 0.0005, seconds / 3.0);
  return Make(name, rate, rootNote, std::move(data), 0.8f);
}

TrackerSample Shaker(const std::string& name, double rate, int rootNote, std::uint64_t seed) {
  Random random(seed);
  std::vector<float> data = WhiteNoise(0.12, rate, random);
  SweptFilter(
      data, rate, FilterMode::kBandPass, [=](double) { return std::min(6000.0, rate * 0.3); }, 1.2);
  for (std::size_t i = 0; i < data.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    data[i] *= static_cast<float>(std::min(1.0, t / 0.02) * std::exp(-t / 0.03));
  }
  FadeEdges(data, rate, 0.0005, 0.03);
  return Make(name, rate, rootNote, std::move(data), 0.7f);
}
