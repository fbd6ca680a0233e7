#include "game/BombBonus.h"

#include "game/Cylinder.h"

bool BombBonus::Collect(std::uint16_t slot, std::uint16_t cell, BlockColour groupColour, std::uint16_t group,
                        Cylinder& board) {
  if (groupColour != kGoody) {
    return Block::Collect(slot, cell, groupColour, group, board);
  }
  const int position = PositionOf(board, slot);
  const int column = ColumnOf(board, slot, cell);
  // Twice here and once more from the square: the bomb alone is always removable.
  Add(group, slot, cell, 2);
  for (const int ringStep : {0, 1, -1}) {
    for (const int columnStep : {-1, 0, 1}) {
      AddIfFilled(board, position + ringStep, column + columnStep, group);
    }
  }
  AddIfFilled(board, position, column - 2, group);
  AddIfFilled(board, position, column + 2, group);
  AddIfFilled(board, position + 2, column, group);
  AddIfFilled(board, position - 2, column, group);
  return true;
}
