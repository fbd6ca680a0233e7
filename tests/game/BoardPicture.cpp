#include "BoardPicture.h"

#include <gtest/gtest.h>

#include <map>

#include "game/Bonus.h"
#include "game/Cylinder.h"
#include "game/GoodyTemplates.h"

namespace {

const std::map<char, std::string>& GoodyNames() {
  static const std::map<char, std::string> names = {
      {'S', "BombBonus"},          {'H', "HLDemolishBonus"}, {'V', "VLDemolishBonus"},
      {'C', "GroupDemolishBonus"}, {'X', "CrossBonus"},      {'r', "RedBombBonus"},
      {'y', "YellowBombBonus"},    {'g', "GreenBombBonus"},  {'b', "BlueBombBonus"}};
  return names;
}

std::string Letters(const std::string& row) {
  std::string letters;
  for (char letter : row) {
    if (letter != ' ') {
      letters += letter;
    }
  }
  return letters;
}

BlockColour ColourOf(char letter) {
  constexpr std::string_view kLetters = ".YGRBM";
  const std::size_t colour = kLetters.find(letter);
  if (colour == std::string_view::npos) {
    ADD_FAILURE() << "no colour is drawn as '" << letter << "'";
    return kEmpty;
  }
  return static_cast<BlockColour>(colour);
}

char LetterOf(const Block& block) {
  constexpr const char* kLetters = ".YGRBM";
  if (block.colour <= kMarker) {
    return kLetters[block.colour];
  }
  for (const auto& [letter, name] : GoodyNames()) {
    if (block.name == name) {
      return letter;
    }
  }
  return '?';
}

void PaintCell(Ring& ring, int column, char letter) {
  const auto goody = GoodyNames().find(letter);
  if (goody != GoodyNames().end()) {
    const Bonus* goodyTemplate = GoodyTemplates::Instance().Find(goody->second);
    ASSERT_NE(goodyTemplate, nullptr) << goody->second;
    ring.ReplaceBlock(ring.IndexOfColumn(column), goodyTemplate->Clone());
    return;
  }
  Block& block = ring.BlockAtColumn(column);
  block.colour = ColourOf(letter);
  block.state = block.colour == kEmpty ? BlockState::Gone : BlockState::Resting;
}

}  // namespace

namespace BoardPicture {

int CellsOf(const std::vector<std::string>& picture) {
  return picture.empty() ? 1 : static_cast<int>(Letters(picture.front()).size());
}

void Paint(Cylinder& board, const std::vector<std::string>& picture) {
  ASSERT_EQ(static_cast<int>(picture.size()), board.RingCount());
  for (std::size_t row = 0; row < picture.size(); ++row) {
    const std::string letters = Letters(picture[row]);
    ASSERT_EQ(static_cast<int>(letters.size()), board.CellsPerRing()) << "row " << row << " of the picture";
    Ring& ring = board.RingAt(static_cast<int>(picture.size() - 1 - row));
    for (int column = 0; column < board.CellsPerRing(); ++column) {
      PaintCell(ring, column, letters[column]);
    }
  }
}

std::string Of(const Cylinder& board) {
  std::string picture;
  for (int position = board.RingCount() - 1; position >= 0; --position) {
    const Ring& ring = board.RingAt(position);
    for (int column = 0; column < board.CellsPerRing(); ++column) {
      picture += LetterOf(ring.BlockAtColumn(column));
      picture += column + 1 < board.CellsPerRing() ? " " : "";
    }
    picture += position > 0 ? "\n" : "";
  }
  return picture;
}

std::string Tidy(const std::vector<std::string>& picture) {
  std::string tidy;
  for (std::size_t row = 0; row < picture.size(); ++row) {
    const std::string letters = Letters(picture[row]);
    for (std::size_t column = 0; column < letters.size(); ++column) {
      tidy += letters[column];
      tidy += column + 1 < letters.size() ? " " : "";
    }
    tidy += row + 1 < picture.size() ? "\n" : "";
  }
  return tidy;
}

}  // namespace BoardPicture
