#include "game/VLDemolishBonus.h"

#include "game/Cylinder.h"

bool VLDemolishBonus::Collect(std::uint16_t slot, std::uint16_t cell, BlockColour groupColour,
                              std::uint16_t group, Cylinder& board) {
  if (groupColour != kGoody) {
    return Block::Collect(slot, cell, groupColour, group, board);
  }
  Add(group, slot, cell, 2);
  const int column = ColumnOf(board, slot, cell);
  for (int position = 0; position < board.RingCount(); ++position) {
    AddIfFilled(board, position, column, group);
  }
  return true;
}
