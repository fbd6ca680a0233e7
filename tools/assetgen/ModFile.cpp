#include "assetgen/ModFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

// Amiga periods for C-1 to B-3 without finetune; players find notes by these values.
constexpr int kPeriods[36] = {856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
                              428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
                              214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113};
constexpr int kRootIndex = 24;  // C-3

void PutText(std::vector<std::uint8_t>& out, const std::string& text, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    out.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
  }
}

void PutBig16(std::vector<std::uint8_t>& out, std::size_t value) {
  out.push_back(static_cast<std::uint8_t>(value >> 8));
  out.push_back(static_cast<std::uint8_t>(value));
}

// The 8-bit data as stored; one-shot samples start with a silent word, which
// ProTracker plays over and over once a sample ends.
std::vector<std::int8_t> SampleBytes(const TrackerSample& sample) {
  std::vector<std::int8_t> bytes;
  const bool loops = sample.loopEnd > sample.loopStart;
  if (!loops) {
    bytes.assign(2, 0);
  }
  for (float value : sample.data) {
    bytes.push_back(static_cast<std::int8_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 127.0f)));
  }
  if (bytes.size() % 2 != 0) {
    bytes.push_back(0);
  }
  if (bytes.size() > 2 * 65535) {
    throw std::invalid_argument("sample " + sample.name + " is too long for a module");
  }
  return bytes;
}

std::array<std::uint8_t, 4> Encode(const TrackerCell& cell, const TrackerSong& song) {
  int period = 0;
  int effect = 0;
  int param = 0;
  if (cell.note >= 0) {
    if (cell.sample < 1 || cell.sample > static_cast<int>(song.samples.size())) {
      throw std::invalid_argument("a note without its sample");
    }
    const int index =
        cell.note - song.samples[static_cast<std::size_t>(cell.sample - 1)].rootNote + kRootIndex;
    if (index < 0 || index >= 36) {
      throw std::invalid_argument("note " + std::to_string(cell.note) + " is out of a module's range");
    }
    period = kPeriods[index];
  }
  const bool cut = cell.note == TrackerCell::kCut;
  if (cut || cell.volume >= 0) {
    effect = 0xC;
    param = cut ? 0 : std::min(cell.volume, 64);
  }
  if (cell.effect != TrackerEffect::kNone) {
    if (effect != 0) {
      throw std::invalid_argument("a module cell holds one effect, and a volume is one");
    }
    switch (cell.effect) {
      case TrackerEffect::kVolumeSlide:
        effect = 0xA;
        param = cell.param > 0 ? std::min(cell.param, 15) << 4 : std::min(-cell.param, 15);
        break;
      case TrackerEffect::kPatternBreak:
        effect = 0xD;
        param = (cell.param / 10) << 4 | cell.param % 10;
        break;
      case TrackerEffect::kSpeed:
        effect = 0xF;
        param = std::clamp(cell.param, 1, 31);
        break;
      case TrackerEffect::kTempo:
        effect = 0xF;
        param = std::clamp(cell.param, 32, 255);
        break;
      case TrackerEffect::kNoteCut:
        effect = 0xE;
        param = 0xC0 | std::clamp(cell.param, 0, 15);
        break;
      case TrackerEffect::kNone:
        break;
    }
  }
  return {static_cast<std::uint8_t>((cell.sample & 0xF0) | (period >> 8)),
          static_cast<std::uint8_t>(period & 0xFF),
          static_cast<std::uint8_t>((cell.sample & 0x0F) << 4 | effect), static_cast<std::uint8_t>(param)};
}

}  // namespace

std::vector<std::uint8_t> EncodeMod(const TrackerSong& song) {
  if (song.channels != 4 || song.samples.size() > 31 || song.orders.empty() || song.orders.size() > 128 ||
      song.patterns.size() > 64) {
    throw std::invalid_argument("a module has four channels, 31 samples, 128 orders and 64 patterns at most");
  }
  std::vector<std::uint8_t> out;
  PutText(out, song.title, 20);

  std::vector<std::vector<std::int8_t>> sampleBytes;
  for (std::size_t i = 0; i < 31; ++i) {
    if (i >= song.samples.size()) {
      PutText(out, "", 22);
      PutBig16(out, 0);
      out.push_back(0);
      out.push_back(0);
      PutBig16(out, 0);
      PutBig16(out, 1);
      continue;
    }
    const TrackerSample& sample = song.samples[i];
    if (std::abs(sample.rate - kModSampleRate) > 0.5) {
      throw std::invalid_argument("sample " + sample.name + " isn't made at the module rate");
    }
    sampleBytes.push_back(SampleBytes(sample));
    const bool loops = sample.loopEnd > sample.loopStart;
    if (loops &&
        (sample.loopStart % 2 != 0 || sample.loopEnd % 2 != 0 || sample.loopEnd > sample.data.size())) {
      throw std::invalid_argument("sample " + sample.name + " loops on odd bytes");
    }
    PutText(out, sample.name, 22);
    PutBig16(out, sampleBytes.back().size() / 2);
    out.push_back(0);  // finetune
    out.push_back(static_cast<std::uint8_t>(std::clamp(sample.volume, 0, 64)));
    PutBig16(out, loops ? sample.loopStart / 2 : 0);
    PutBig16(out, loops ? (sample.loopEnd - sample.loopStart) / 2 : 1);
  }

  out.push_back(static_cast<std::uint8_t>(song.orders.size()));
  // 127 marks "no restart position": the song plays its orders once and ends.
  out.push_back(127);
  for (std::size_t i = 0; i < 128; ++i) {
    out.push_back(i < song.orders.size() ? static_cast<std::uint8_t>(song.orders[i]) : 0);
  }
  PutText(out, "M.K.", 4);

  const int patternCount = *std::max_element(song.orders.begin(), song.orders.end()) + 1;
  for (int p = 0; p < patternCount; ++p) {
    const TrackerPattern& pattern = song.patterns.at(static_cast<std::size_t>(p));
    if (pattern.rows > 64 || pattern.cells.size() != static_cast<std::size_t>(pattern.rows * 4)) {
      throw std::invalid_argument("a module's patterns have 64 rows of four cells");
    }
    for (int row = 0; row < 64; ++row) {
      for (int channel = 0; channel < 4; ++channel) {
        const TrackerCell cell =
            row < pattern.rows ? pattern.cells[static_cast<std::size_t>(row * 4 + channel)] : TrackerCell{};
        const auto bytes = Encode(cell, song);
        out.insert(out.end(), bytes.begin(), bytes.end());
      }
    }
  }
  for (const auto& bytes : sampleBytes) {
    for (std::int8_t value : bytes) {
      out.push_back(static_cast<std::uint8_t>(value));
    }
  }
  return out;
}
