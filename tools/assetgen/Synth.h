// Building blocks shared by the sound effects and the music's instruments:
// oscillators, filters, a plucked string and the envelopes that keep edges from clicking.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

class Random;

constexpr double kPi = 3.14159265358979323846;

// Equal temperament with A4 (MIDI 69) at 440 Hz.
double NoteFrequency(double midiNote);

// A sine whose frequency and amplitude follow functions of time in seconds; the
// phase is accumulated, so sweeps stay smooth.
std::vector<float> SineSweep(double seconds, double rate, const std::function<double(double)>& frequency,
                             const std::function<double(double)>& amplitude);

// Like SineSweep, with the given harmonic amplitudes (index 0 is the fundamental).
// Harmonics above the Nyquist frequency are left out so nothing aliases.
std::vector<float> HarmonicSweep(double seconds, double rate, const std::function<double(double)>& frequency,
                                 const std::function<double(double)>& amplitude,
                                 const std::vector<double>& harmonics);

std::vector<float> WhiteNoise(double seconds, double rate, Random& random);

// Karplus-Strong string. `brightness` in (0, 1] colours the pluck; `decaySeconds` is
// roughly the time to fall by 60 dB.
std::vector<float> PluckedString(double frequency, double rate, double seconds, double brightness,
                                 double decaySeconds, Random& random);

void OnePoleLowPass(std::vector<float>& samples, double rate, double cutoff);
void OnePoleHighPass(std::vector<float>& samples, double rate, double cutoff);

enum class FilterMode { kLowPass, kBandPass, kHighPass };
// State-variable filter whose cutoff follows a function of time; q of 0.7 is flat,
// higher values ring.
void SweptFilter(std::vector<float>& samples, double rate, FilterMode mode,
                 const std::function<double(double)>& cutoff, double q);

// Multiplies by exp(-t / tau).
void ExponentialDecay(std::vector<float>& samples, double rate, double tau);
// Short raised-cosine ramps at both ends, so a sound never starts or stops on a step.
void FadeEdges(std::vector<float>& samples, double rate, double fadeIn, double fadeOut);
// Soft clipping for grit; `drive` above 1 squashes more.
void Saturate(std::vector<float>& samples, double drive);

float Peak(const std::vector<float>& samples);
void ScaleToPeak(std::vector<float>& samples, float peak);
// Adds `source` times `gain` starting at sample `offset`, growing `target` when needed.
void MixInto(std::vector<float>& target, const std::vector<float>& source, std::size_t offset,
             float gain = 1.0f);
