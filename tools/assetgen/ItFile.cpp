#include "assetgen/ItFile.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

constexpr std::uint8_t kEndOfSong = 255;
constexpr std::uint8_t kNoteCut = 254;

void PutMagic(std::vector<std::uint8_t>& out, const char (&magic)[5]) {
  for (int i = 0; i < 4; ++i) {
    out.push_back(static_cast<std::uint8_t>(magic[i]));
  }
}

void PutText(std::vector<std::uint8_t>& out, const std::string& text, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    // The last byte stays zero: names are terminated.
    out.push_back(i + 1 < size && i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
  }
}

void PutLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
}

void PatchLittle32(std::vector<std::uint8_t>& out, std::size_t at, std::size_t value) {
  for (int i = 0; i < 4; ++i) {
    out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

// The effect letter as a number (A = 1) and its parameter.
std::pair<int, int> Effect(const TrackerCell& cell) {
  switch (cell.effect) {
    case TrackerEffect::kVolumeSlide:
      // Fifteen would turn the slide into a fine one.
      return {4, cell.param > 0 ? std::min(cell.param, 14) << 4 : std::min(-cell.param, 14)};
    case TrackerEffect::kPatternBreak:
      return {3, cell.param};
    case TrackerEffect::kSpeed:
      return {1, std::clamp(cell.param, 1, 255)};
    case TrackerEffect::kTempo:
      return {20, std::clamp(cell.param, 32, 255)};
    case TrackerEffect::kNoteCut:
      return {19, 0xC0 | std::clamp(cell.param, 0, 15)};
    case TrackerEffect::kNone:
      break;
  }
  return {0, 0};
}

std::vector<std::uint8_t> PackPattern(const TrackerPattern& pattern, int channels) {
  std::vector<std::uint8_t> packed;
  for (int row = 0; row < pattern.rows; ++row) {
    for (int channel = 0; channel < channels; ++channel) {
      const TrackerCell& cell = pattern.cells[static_cast<std::size_t>(row * channels + channel)];
      const auto [effect, param] = Effect(cell);
      const bool hasNote = cell.note != TrackerCell::kNoNote;
      const int mask =
          (hasNote ? 1 : 0) | (cell.sample > 0 ? 2 : 0) | (cell.volume >= 0 ? 4 : 0) | (effect ? 8 : 0);
      if (mask == 0) {
        continue;
      }
      // Every cell carries its own mask; the format's "same as before" shortcuts
      // save little here.
      packed.push_back(static_cast<std::uint8_t>((channel + 1) | 0x80));
      packed.push_back(static_cast<std::uint8_t>(mask));
      if (hasNote) {
        packed.push_back(cell.note == TrackerCell::kCut ? kNoteCut : static_cast<std::uint8_t>(cell.note));
      }
      if (cell.sample > 0) {
        packed.push_back(static_cast<std::uint8_t>(cell.sample));
      }
      if (cell.volume >= 0) {
        packed.push_back(static_cast<std::uint8_t>(std::min(cell.volume, 64)));
      }
      if (effect) {
        packed.push_back(static_cast<std::uint8_t>(effect));
        packed.push_back(static_cast<std::uint8_t>(param));
      }
    }
    packed.push_back(0);
  }
  return packed;
}

}  // namespace

std::vector<std::uint8_t> EncodeIt(const TrackerSong& song) {
  if (song.channels < 1 || song.channels > 64) {
    throw std::invalid_argument("an Impulse Tracker module has 1 to 64 channels");
  }
  std::vector<std::uint8_t> out;
  PutMagic(out, "IMPM");
  PutText(out, song.title, 26);
  PutLittle(out, 0x1004, 2);  // row highlight: a beat of 4 rows, a bar of 16
  PutLittle(out, static_cast<std::uint32_t>(song.orders.size() + 1), 2);
  PutLittle(out, 0, 2);  // instruments
  PutLittle(out, static_cast<std::uint32_t>(song.samples.size()), 2);
  PutLittle(out, static_cast<std::uint32_t>(song.patterns.size()), 2);
  PutLittle(out, 0x0214, 2);  // made with: the format's 2.14 layout
  PutLittle(out, 0x0214, 2);  // needs at least 2.14
  PutLittle(out, 1 | 8, 2);   // stereo, linear slides
  PutLittle(out, 0, 2);       // no message
  out.push_back(128);         // global volume
  out.push_back(64);          // mixing volume
  out.push_back(static_cast<std::uint8_t>(song.speed));
  out.push_back(static_cast<std::uint8_t>(song.tempo));
  out.push_back(128);  // stereo separation
  out.push_back(0);    // pitch wheel depth
  PutLittle(out, 0, 2);
  PutLittle(out, 0, 4);
  PutLittle(out, 0, 4);
  for (int channel = 0; channel < 64; ++channel) {
    if (channel >= song.channels) {
      out.push_back(32 | 128);  // unused channels are switched off
    } else {
      const auto index = static_cast<std::size_t>(channel);
      out.push_back(static_cast<std::uint8_t>(
          index < song.panning.size() ? std::clamp(song.panning[index], 0, 64) : 32));
    }
  }
  for (int channel = 0; channel < 64; ++channel) {
    out.push_back(64);
  }
  for (int order : song.orders) {
    out.push_back(static_cast<std::uint8_t>(order));
  }
  // Nothing follows the last order, so the song stops there.
  out.push_back(kEndOfSong);

  const std::size_t sampleOffsets = out.size();
  out.resize(out.size() + 4 * song.samples.size());
  const std::size_t patternOffsets = out.size();
  out.resize(out.size() + 4 * song.patterns.size());

  std::vector<std::size_t> sampleHeaders;
  for (std::size_t i = 0; i < song.samples.size(); ++i) {
    const TrackerSample& sample = song.samples[i];
    PatchLittle32(out, sampleOffsets + 4 * i, out.size());
    sampleHeaders.push_back(out.size());
    const bool loops = sample.loopEnd > sample.loopStart && sample.loopEnd <= sample.data.size();
    PutMagic(out, "IMPS");
    PutText(out, "", 12);
    out.push_back(0);
    out.push_back(64);                                                   // global volume
    out.push_back(static_cast<std::uint8_t>(1 | 2 | (loops ? 16 : 0)));  // present, 16-bit, looped
    out.push_back(static_cast<std::uint8_t>(std::clamp(sample.volume, 0, 64)));
    PutText(out, sample.name, 26);
    out.push_back(1);  // signed data
    out.push_back(0);  // no default panning
    PutLittle(out, static_cast<std::uint32_t>(sample.data.size()), 4);
    PutLittle(out, static_cast<std::uint32_t>(loops ? sample.loopStart : 0), 4);
    PutLittle(out, static_cast<std::uint32_t>(loops ? sample.loopEnd : 0), 4);
    // The rate at which the sample sounds C-5, which is MIDI note 60 here.
    PutLittle(
        out,
        static_cast<std::uint32_t>(std::lround(sample.rate * std::pow(2.0, (60 - sample.rootNote) / 12.0))),
        4);
    PutLittle(out, 0, 4);
    PutLittle(out, 0, 4);
    PutLittle(out, 0, 4);  // data offset, patched below
    PutLittle(out, 0, 4);  // no vibrato
  }

  for (std::size_t i = 0; i < song.patterns.size(); ++i) {
    const TrackerPattern& pattern = song.patterns[i];
    if (pattern.rows < 1 || pattern.rows > 200 ||
        pattern.cells.size() != static_cast<std::size_t>(pattern.rows * song.channels)) {
      throw std::invalid_argument("a pattern has 1 to 200 rows of every channel");
    }
    const std::vector<std::uint8_t> packed = PackPattern(pattern, song.channels);
    PatchLittle32(out, patternOffsets + 4 * i, out.size());
    PutLittle(out, static_cast<std::uint32_t>(packed.size()), 2);
    PutLittle(out, static_cast<std::uint32_t>(pattern.rows), 2);
    PutLittle(out, 0, 4);
    out.insert(out.end(), packed.begin(), packed.end());
  }

  for (std::size_t i = 0; i < song.samples.size(); ++i) {
    PatchLittle32(out, sampleHeaders[i] + 72, out.size());
    for (float value : song.samples[i].data) {
      const long level = std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f);
      PutLittle(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(level)) & 0xFFFF, 2);
    }
  }
  return out;
}
