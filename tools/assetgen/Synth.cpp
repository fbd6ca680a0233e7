#include "assetgen/Synth.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "assetgen/Random.h"

namespace {

std::size_t SampleCount(double seconds, double rate) {
  return static_cast<std::size_t>(std::lround(seconds * rate));
}

}  // namespace

double NoteFrequency(double midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0); }

std::vector<float> SineSweep(double seconds, double rate, const std::function<double(double)>& frequency,
                             const std::function<double(double)>& amplitude) {
  return HarmonicSweep(seconds, rate, frequency, amplitude, {1.0});
}

std::vector<float> HarmonicSweep(double seconds, double rate, const std::function<double(double)>& frequency,
                                 const std::function<double(double)>& amplitude,
                                 const std::vector<double>& harmonics) {
  std::vector<float> out(SampleCount(seconds, rate));
  double phase = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double f = frequency(t);
    double value = 0.0;
    for (std::size_t h = 0; h < harmonics.size(); ++h) {
      if (f * static_cast<double>(h + 1) < rate * 0.45) {
        value += harmonics[h] * std::sin(2.0 * kPi * phase * static_cast<double>(h + 1));
      }
    }
    out[i] = static_cast<float>(value * amplitude(t));
    phase += f / rate;
    phase -= std::floor(phase);
  }
  return out;
}

std::vector<float> WhiteNoise(double seconds, double rate, Random& random) {
  std::vector<float> out(SampleCount(seconds, rate));
  for (float& sample : out) {
    sample = random.Bipolar();
  }
  return out;
}

std::vector<float> PluckedString(double frequency, double rate, double seconds, double brightness,
                                 double decaySeconds, Random& random) {
  // The two-point average in the loop delays by half a sample; an all-pass takes the
  // fractional rest, so high notes stay in tune.
  const double delay = rate / frequency - 0.5;
  const auto length = static_cast<std::size_t>(std::floor(delay - 0.1));
  const double fraction = delay - static_cast<double>(length);
  const double allPass = (1.0 - fraction) / (1.0 + fraction);
  // Loss per trip round the loop for the wanted decay time.
  const double loss = std::pow(0.001, (1.0 / frequency) / decaySeconds);

  std::vector<float> line(length);
  for (float& sample : line) {
    sample = random.Bipolar();
  }
  OnePoleLowPass(line, rate, 200.0 + brightness * brightness * rate * 0.4);
  const float mean = std::accumulate(line.begin(), line.end(), 0.0f) / static_cast<float>(line.size());
  for (float& sample : line) {
    sample -= mean;
  }

  std::vector<float> out(SampleCount(seconds, rate));
  std::size_t position = 0;
  double previous = 0.0;
  double allPassIn = 0.0;
  double allPassOut = 0.0;
  for (float& sample : out) {
    const double current = line[position];
    const double averaged = 0.5 * (current + previous) * loss;
    previous = current;
    const double tuned = allPass * averaged + allPassIn - allPass * allPassOut;
    allPassIn = averaged;
    allPassOut = tuned;
    line[position] = static_cast<float>(tuned);
    sample = static_cast<float>(current);
    position = (position + 1) % length;
  }
  return out;
}

void OnePoleLowPass(std::vector<float>& samples, double rate, double cutoff) {
  const double a = 1.0 - std::exp(-2.0 * kPi * std::min(cutoff, rate * 0.49) / rate);
  double state = 0.0;
  for (float& sample : samples) {
    state += a * (sample - state);
    sample = static_cast<float>(state);
  }
}

void OnePoleHighPass(std::vector<float>& samples, double rate, double cutoff) {
  const double a = 1.0 - std::exp(-2.0 * kPi * cutoff / rate);
  double state = 0.0;
  for (float& sample : samples) {
    state += a * (sample - state);
    sample = static_cast<float>(sample - state);
  }
}

void SweptFilter(std::vector<float>& samples, double rate, FilterMode mode,
                 const std::function<double(double)>& cutoff, double q) {
  // The trapezoidal state-variable filter stays stable however fast the cutoff moves.
  const double k = 1.0 / q;
  double ic1 = 0.0;
  double ic2 = 0.0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double fc = std::clamp(cutoff(static_cast<double>(i) / rate), 10.0, rate * 0.45);
    const double g = std::tan(kPi * fc / rate);
    const double a1 = 1.0 / (1.0 + g * (g + k));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v0 = samples[i];
    const double v3 = v0 - ic2;
    const double v1 = a1 * ic1 + a2 * v3;
    const double v2 = ic2 + a2 * ic1 + a3 * v3;
    ic1 = 2.0 * v1 - ic1;
    ic2 = 2.0 * v2 - ic2;
    double out = v2;
    if (mode == FilterMode::kBandPass) {
      out = v1;
    } else if (mode == FilterMode::kHighPass) {
      out = v0 - k * v1 - v2;
    }
    samples[i] = static_cast<float>(out);
  }
}

void ExponentialDecay(std::vector<float>& samples, double rate, double tau) {
  const double step = std::exp(-1.0 / (rate * tau));
  double gain = 1.0;
  for (float& sample : samples) {
    sample = static_cast<float>(sample * gain);
    gain *= step;
  }
}

void FadeEdges(std::vector<float>& samples, double rate, double fadeIn, double fadeOut) {
  const auto in = std::min(samples.size(), SampleCount(fadeIn, rate));
  const auto out = std::min(samples.size(), SampleCount(fadeOut, rate));
  for (std::size_t i = 0; i < in; ++i) {
    samples[i] *=
        static_cast<float>(0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(in)));
  }
  for (std::size_t i = 0; i < out; ++i) {
    samples[samples.size() - 1 - i] *=
        static_cast<float>(0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(out)));
  }
}

void Saturate(std::vector<float>& samples, double drive) {
  const double norm = std::tanh(drive);
  for (float& sample : samples) {
    sample = static_cast<float>(std::tanh(drive * sample) / norm);
  }
}

float Peak(const std::vector<float>& samples) {
  float peak = 0.0f;
  for (float sample : samples) {
    peak = std::max(peak, std::abs(sample));
  }
  return peak;
}

void ScaleToPeak(std::vector<float>& samples, float peak) {
  const float current = Peak(samples);
  if (current > 0.0f) {
    for (float& sample : samples) {
      sample *= peak / current;
    }
  }
}

void MixInto(std::vector<float>& target, const std::vector<float>& source, std::size_t offset, float gain) {
  if (target.size() < offset + source.size()) {
    target.resize(offset + source.size());
  }
  for (std::size_t i = 0; i < source.size(); ++i) {
    target[offset + i] += source[i] * gain;
  }
}
