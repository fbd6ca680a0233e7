#include "BoardPicture.h"

#include <gtest/gtest.h>

#include "game/Bonus.h"
#include "game/Cylinder.h"
#include "game/GoodyTemplates.h"

namespace {

// The plain colours by their value, then the goodies in the order of kGoodyNames.
constexpr std::string_view kLetters = ".YGRBMSHVCXrygb";
const char* const kGoodyNames[] = {"BombBonus",          "HLDemolishBonus", "VLDemolishBonus",
                                   "GroupDemolishBonus", "CrossBonus",      "RedBombBonus",
                                   "YellowBombBonus",    "GreenBombBonus",  "BlueBombBonus"};

std::string Letters(const std::string& row) {
  std::string letters;
  for (char letter : row) {
    letters += letter != ' ' ? std::string(1, letter) : "";
  }
  return letters;
}

char LetterOf(const Block& block) {
  if (block.colour <= kMarker) {
    return kLetters[block.colour];
  }
  for (std::size_t goody = 0; goody < std::size(kGoodyNames); ++goody) {
    if (block.name == kGoodyNames[goody]) {
      return kLetters[kMarker + 1 + goody];
    }
  }
  return '?';
}

void PaintCell(Ring& ring, int column, char letter) {
  const std::size_t index = kLetters.find(letter);
  ASSERT_NE(index, std::string_view::npos) << "nothing is drawn as '" << letter << "'";
  if (index > kMarker) {
    const Bonus* goody = GoodyTemplates::Instance().Find(kGoodyNames[index - kMarker - 1]);
    ASSERT_NE(goody, nullptr) << letter;
    ring.ReplaceBlock(ring.IndexOfColumn(column), goody->Clone());
    return;
  }
  Block& block = ring.BlockAtColumn(column);
  block.colour = static_cast<BlockColour>(index);
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
    for (int column = 0; column < board.CellsPerRing(); ++column) {
      PaintCell(board.RingAt(static_cast<int>(picture.size() - 1 - row)), column, letters[column]);
    }
  }
}

std::string Of(const Cylinder& board) {
  std::vector<std::string> picture;
  for (int position = board.RingCount() - 1; position >= 0; --position) {
    picture.emplace_back();
    for (int column = 0; column < board.CellsPerRing(); ++column) {
      picture.back() += LetterOf(board.RingAt(position).BlockAtColumn(column));
    }
  }
  return Tidy(picture);
}

std::string Tidy(const std::vector<std::string>& picture) {
  std::string tidy;
  for (const std::string& row : picture) {
    for (char letter : Letters(row)) {
      tidy += std::string(1, letter) + " ";
    }
    tidy.back() = '\n';
  }
  return tidy.substr(0, tidy.empty() ? 0 : tidy.size() - 1);
}

}  // namespace BoardPicture
