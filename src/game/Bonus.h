// The base of the goodies: special blocks the Breakdown supply ring deals now
// and then. A goody has a colour of its own that every plain group takes along;
// clicked by itself, it removes a pattern of blocks instead.
#pragma once

#include <cstdint>
#include <string>

#include "game/Block.h"

class Bonus : public Block {
 public:
  explicit Bonus(std::string bonusName);

 protected:
  // Enters a cell into a group of the last search; the same cell may go in more than once.
  static void Add(std::uint16_t group, std::uint16_t slot, std::uint16_t cell, int times = 1);
  // Enters the cell at (position, column) when it holds a block. Positions off
  // the board are skipped; columns wrap round the ring.
  static void AddIfFilled(Cylinder& board, int position, int column, std::uint16_t group);
  // Where a cell of the board stands, for patterns laid out in rings and columns.
  static int PositionOf(const Cylinder& board, std::uint16_t slot);
  static int ColumnOf(const Cylinder& board, std::uint16_t slot, std::uint16_t cell);
};
