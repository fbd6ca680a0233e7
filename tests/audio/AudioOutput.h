// Sound tests listen to what really leaves the mixer: SDL's disk driver
// writes the output as raw 16-bit stereo, in real time, into a file.
#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "assetgen/Wav.h"
#include "platform/Audio.h"
#include "support/TestFiles.h"

using Samples = std::vector<std::int16_t>;  // the left channel of the output

constexpr int kRate = platform::kAudioRate;

// A 441 Hz tone as a WAV file, steady or rising evenly from silence to `peak`
// (in 16-bit steps) over its length.
inline std::vector<std::uint8_t> ToneFile(int milliseconds, int peak, bool rising = false) {
  std::vector<float> samples(static_cast<std::size_t>(kRate * milliseconds / 1000));
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double loudness = (rising ? peak * static_cast<double>(i) / samples.size() : peak) / 32768.0;
    samples[i] = static_cast<float>(loudness * std::sin(i * 2 * M_PI * 441 / kRate));
  }
  return EncodeWav(samples, kRate);
}

inline void Wait(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

// Opens the device on the disk driver, at `rate`, for the lifetime of the
// object. Only one can be open at a time: finish one before the next.
class DiskAudio {
 public:
  explicit DiskAudio(int rate = kRate) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", Path("output.raw").c_str(), 1);
    platform::OpenAudio(rate);
  }
  ~DiskAudio() { Finish(); }
  // Closes the device and returns the left channel of everything written.
  Samples Finish() {
    if (!std::exchange(finished_, true)) {
      platform::CloseAudio();
    }
    const std::vector<std::uint8_t> bytes = ReadBytes(Path("output.raw"));
    Samples left;
    for (std::size_t i = 0; i + 3 < bytes.size(); i += 4) {
      left.push_back(static_cast<std::int16_t>(bytes[i] | bytes[i + 1] << 8));
    }
    return left;
  }
  std::string Path(const std::string& name) const { return folder_ / name; }

 private:
  TempFolder folder_;
  bool finished_ = false;
};

// The largest absolute sample in [from, to) milliseconds of the output.
inline int PeakBetween(const Samples& output, int fromMs, int toMs) {
  int peak = 0;
  const std::size_t to = std::min(output.size(), static_cast<std::size_t>(toMs) * kRate / 1000);
  for (std::size_t i = static_cast<std::size_t>(fromMs) * kRate / 1000; i < to; ++i) {
    peak = std::max(peak, std::abs(static_cast<int>(output[i])));
  }
  return peak;
}

// Milliseconds to the first sample louder than `floor`, or -1.
inline int FirstSoundAt(const Samples& output, int floor) {
  const auto loud =
      std::find_if(output.begin(), output.end(), [floor](int sample) { return std::abs(sample) > floor; });
  return loud == output.end() ? -1 : static_cast<int>((loud - output.begin()) * 1000 / kRate);
}
