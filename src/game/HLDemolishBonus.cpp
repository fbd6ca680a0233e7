#include "game/HLDemolishBonus.h"

#include "game/Cylinder.h"

bool HLDemolishBonus::Collect(std::uint16_t slot, std::uint16_t cell, BlockColour groupColour,
                              std::uint16_t group, Cylinder& board) {
  if (groupColour != kGoody) {
    return Block::Collect(slot, cell, groupColour, group, board);
  }
  Add(group, slot, cell, 2);
  const int position = PositionOf(board, slot);
  for (int column = 0; column < board.CellsPerRing(); ++column) {
    AddIfFilled(board, position, column, group);
  }
  return true;
}
