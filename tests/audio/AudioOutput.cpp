#include "AudioOutput.h"

#include <cmath>
#include <cstdlib>
#include <fstream>

#include "platform/Audio.h"

namespace {

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

constexpr int kRate = 44100;

}  // namespace

std::vector<std::uint8_t> WavFile(const std::vector<std::int16_t>& samples) {
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<std::uint8_t> out = {'R', 'I', 'F', 'F'};
  PutU32(out, 36 + dataSize);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  PutU32(out, 16);
  PutU16(out, 1);
  PutU16(out, 1);
  PutU32(out, kRate);
  PutU32(out, kRate * 2);
  PutU16(out, 2);
  PutU16(out, 16);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  PutU32(out, dataSize);
  for (const std::int16_t sample : samples) {
    PutU16(out, static_cast<std::uint16_t>(sample));
  }
  return out;
}

std::vector<std::int16_t> RisingTone(int milliseconds, int peak) {
  const int count = kRate * milliseconds / 1000;
  std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const double loudness = peak * static_cast<double>(i) / count;
    samples[static_cast<std::size_t>(i)] =
        static_cast<std::int16_t>(loudness * std::sin(i * 2 * M_PI * 441 / kRate));
  }
  return samples;
}

std::vector<std::int16_t> SteadyTone(int milliseconds, int peak) {
  std::vector<std::int16_t> samples = RisingTone(milliseconds, 1);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(peak * std::sin(static_cast<double>(i) * 2 * M_PI * 441 / kRate));
  }
  return samples;
}

DiskAudio::DiskAudio() {
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", Path("output.raw").c_str(), 1);
  platform::OpenAudio();
}

DiskAudio::~DiskAudio() { Finish(); }

std::vector<std::int16_t> DiskAudio::Finish() {
  if (!finished_) {
    platform::CloseAudio();
    finished_ = true;
  }
  const std::vector<std::uint8_t> bytes = ReadBytes(Path("output.raw"));
  std::vector<std::int16_t> left;
  for (std::size_t i = 0; i + 3 < bytes.size(); i += 4) {
    left.push_back(static_cast<std::int16_t>(bytes[i] | bytes[i + 1] << 8));
  }
  return left;
}

int PeakBetween(const std::vector<std::int16_t>& output, int fromMs, int toMs) {
  int peak = 0;
  const std::size_t from = static_cast<std::size_t>(fromMs) * kRate / 1000;
  const std::size_t to = std::min(output.size(), static_cast<std::size_t>(toMs) * kRate / 1000);
  for (std::size_t i = from; i < to; ++i) {
    peak = std::max(peak, std::abs(static_cast<int>(output[i])));
  }
  return peak;
}

int FirstSoundAt(const std::vector<std::int16_t>& output, int floor) {
  for (std::size_t i = 0; i < output.size(); ++i) {
    if (std::abs(static_cast<int>(output[i])) > floor) {
      return static_cast<int>(i * 1000 / kRate);
    }
  }
  return -1;
}
