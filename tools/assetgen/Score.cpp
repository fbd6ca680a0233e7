#include "assetgen/Score.h"

#include <stdexcept>
#include <string>

#include "assetgen/Harmony.h"

namespace {

constexpr int kPatternRows = 64;

}  // namespace

TrackerCell& Score::At(int row, int channel) {
  if (row < 0 || channel < 0 || channel >= channels_) {
    throw std::out_of_range("no such cell in the score");
  }
  const auto index = static_cast<std::size_t>(row * channels_ + channel);
  if (index >= cells_.size()) {
    cells_.resize(static_cast<std::size_t>((row + 1) * channels_));
  }
  return cells_[index];
}

void Score::Note(int row, int channel, int note, int sample, int volume) {
  TrackerCell& cell = At(row, channel);
  cell.note = note;
  cell.sample = note == TrackerCell::kCut ? 0 : sample;
  cell.volume = volume;
}

void Score::Effect(int row, int channel, TrackerEffect effect, int param) {
  TrackerCell& cell = At(row, channel);
  if (cell.effect != TrackerEffect::kNone) {
    throw std::logic_error("two effects in one cell at row " + std::to_string(row));
  }
  cell.effect = effect;
  cell.param = param;
}

int Score::Line(int row, int channel, int step, int sample, std::string_view text, int volume) {
  while (!text.empty()) {
    const auto start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
      break;
    }
    text.remove_prefix(start);
    const auto end = text.find(' ');
    const std::string_view token = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end);
    if (token == "|") {
      continue;
    }
    if (token == "^") {
      Note(row, channel, TrackerCell::kCut, 0);
    } else if (token != ".") {
      Note(row, channel, ParseNote(token), sample, volume);
    }
    row += step;
  }
  return row;
}

void Score::Fill(TrackerSong& song, int endRow) const {
  song.channels = channels_;
  song.patterns.clear();
  song.orders.clear();
  const int patternCount = (endRow + kPatternRows - 1) / kPatternRows;
  for (int p = 0; p < patternCount; ++p) {
    TrackerPattern pattern;
    pattern.rows = kPatternRows;
    pattern.cells.resize(static_cast<std::size_t>(kPatternRows * channels_));
    for (int row = 0; row < kPatternRows; ++row) {
      const int scoreRow = p * kPatternRows + row;
      for (int channel = 0; channel < channels_; ++channel) {
        const auto index = static_cast<std::size_t>(scoreRow * channels_ + channel);
        if (scoreRow < endRow && index < cells_.size()) {
          pattern.cells[static_cast<std::size_t>(row * channels_ + channel)] = cells_[index];
        }
      }
    }
    if (p == patternCount - 1 && endRow % kPatternRows != 0) {
      const int lastRow = endRow % kPatternRows - 1;
      bool placed = false;
      for (int channel = channels_ - 1; channel >= 0 && !placed; --channel) {
        TrackerCell& cell = pattern.cells[static_cast<std::size_t>(lastRow * channels_ + channel)];
        if (cell.effect == TrackerEffect::kNone && cell.volume < 0 && cell.note != TrackerCell::kCut) {
          cell.effect = TrackerEffect::kPatternBreak;
          cell.param = 0;
          placed = true;
        }
      }
      if (!placed) {
        throw std::logic_error("no free cell for the song's last break");
      }
    }
    int found = -1;
    for (std::size_t i = 0; i < song.patterns.size(); ++i) {
      if (song.patterns[i] == pattern) {
        found = static_cast<int>(i);
      }
    }
    if (found < 0) {
      found = static_cast<int>(song.patterns.size());
      song.patterns.push_back(std::move(pattern));
    }
    song.orders.push_back(found);
  }
}
