#include "game/ColourBombBonus.h"

#include <utility>

#include "game/Cylinder.h"

ColourBombBonus::ColourBombBonus(std::string bonusName, BlockColour target)
    : Bonus(std::move(bonusName)), targetColour_(target) {}

bool ColourBombBonus::Collect(std::uint16_t slot, std::uint16_t cell, BlockColour groupColour,
                              std::uint16_t group, Cylinder& board) {
  if (groupColour != kGoody) {
    return groupColour == targetColour_ && Block::Collect(slot, cell, groupColour, group, board);
  }
  Add(group, slot, cell, 3);
  for (int position = 0; position < board.RingCount(); ++position) {
    for (int column = 0; column < board.CellsPerRing(); ++column) {
      if (board.RingAt(position).BlockAtColumn(column).colour == targetColour_) {
        AddIfFilled(board, position, column, group);
      }
    }
  }
  return true;
}
