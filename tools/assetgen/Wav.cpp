#include "assetgen/Wav.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

void PutText(std::vector<std::uint8_t>& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
}

void PutLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
}

}  // namespace

std::vector<std::uint8_t> EncodeWav(const std::vector<float>& samples, int sampleRate) {
  constexpr int kChannels = 1;
  constexpr int kBytesPerSample = 2;
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample * kChannels);

  std::vector<std::uint8_t> out;
  out.reserve(44 + dataSize);
  PutText(out, "RIFF");
  PutLittle(out, 36 + dataSize, 4);
  PutText(out, "WAVE");
  PutText(out, "fmt ");
  PutLittle(out, 16, 4);
  PutLittle(out, 1, 2);  // integer PCM
  PutLittle(out, kChannels, 2);
  PutLittle(out, static_cast<std::uint32_t>(sampleRate), 4);
  PutLittle(out, static_cast<std::uint32_t>(sampleRate * kChannels * kBytesPerSample), 4);
  PutLittle(out, kChannels * kBytesPerSample, 2);
  PutLittle(out, 8 * kBytesPerSample, 2);
  PutText(out, "data");
  PutLittle(out, dataSize, 4);
  for (float sample : samples) {
    const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
    PutLittle(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(value)) & 0xFFFF, 2);
  }
  return out;
}
