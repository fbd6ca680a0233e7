#include "game/Bonus.h"

#include <utility>

#include "game/BoardAudio.h"
#include "game/Cylinder.h"
#include "game/GroupTable.h"

Bonus::Bonus(std::string bonusName) : Block(std::move(bonusName), BoardAudio::kExplosionGroup) {
  colour = kGoody;
}

void Bonus::Add(std::uint16_t group, std::uint16_t slot, std::uint16_t cell, int times) {
  for (int entry = 0; entry < times; ++entry) {
    GroupTable::Instance().Add(group, {slot, cell});
  }
}

void Bonus::AddIfFilled(Cylinder& board, int position, int column, std::uint16_t group) {
  if (position < 0 || position >= board.RingCount()) {
    return;
  }
  const Ring& ring = board.RingAt(position);
  const std::uint16_t cell = ring.IndexOfColumn(column);
  if (ring.BlockAt(cell).colour != kEmpty) {
    Add(group, static_cast<std::uint16_t>(Cylinder::SlotOfPosition(position, board.RingCount())), cell);
  }
}

int Bonus::PositionOf(const Cylinder& board, std::uint16_t slot) {
  return Cylinder::PositionOfSlot(slot, board.RingCount());
}

int Bonus::ColumnOf(const Cylinder& board, std::uint16_t slot, std::uint16_t cell) {
  return board.RingInSlot(slot).ColumnOf(cell);
}
