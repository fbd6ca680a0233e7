// Sound tests listen to what really leaves the mixer: SDL's disk driver
// writes the output as raw 16-bit stereo, in real time, into a file.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "support/TestFiles.h"

// A canonical 44-byte-header WAV: 16-bit mono at 44.1 kHz from the given samples.
std::vector<std::uint8_t> WavFile(const std::vector<std::int16_t>& samples);
// A tone whose loudness rises evenly from silence to `peak` over its length.
std::vector<std::int16_t> RisingTone(int milliseconds, int peak);
std::vector<std::int16_t> SteadyTone(int milliseconds, int peak);

// Opens the device on the disk driver for the lifetime of the object.
class DiskAudio {
 public:
  DiskAudio();
  ~DiskAudio();
  // Closes the device and returns the left channel of everything written.
  // Only one DiskAudio can be open at a time: finish one before the next.
  std::vector<std::int16_t> Finish();
  std::string Path(const std::string& name) const { return folder_ / name; }

 private:
  TempFolder folder_;
  bool finished_ = false;
};

inline void Wait(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

// The largest absolute sample in [from, to) milliseconds of the output.
int PeakBetween(const std::vector<std::int16_t>& output, int fromMs, int toMs);
// Milliseconds to the first sample louder than `floor`, or -1.
int FirstSoundAt(const std::vector<std::int16_t>& output, int floor);
