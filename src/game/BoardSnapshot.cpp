#include "game/BoardSnapshot.h"

#include <algorithm>
#include <iterator>

#include "game/Cylinder.h"

BoardSnapshot::BoardSnapshot(const Cylinder& board) {
  rings_.reserve(static_cast<std::size_t>(board.RingCount()));
  for (int slot = 0; slot < board.RingCount(); ++slot) {
    const Ring& ring = board.RingInSlot(slot);
    RingCopy& copy = rings_.emplace_back();
    std::copy(std::begin(ring.transform), std::end(ring.transform), copy.transform.begin());
    copy.offset = ring.Offset();
    for (std::uint32_t cell = 0; cell < ring.CellCount(); ++cell) {
      copy.blocks.push_back(ring.BlockAt(static_cast<std::uint16_t>(cell)).Clone());
    }
  }
}

void BoardSnapshot::Restore(Cylinder& board) const {
  for (int slot = 0; slot < board.RingCount() && slot < static_cast<int>(rings_.size()); ++slot) {
    Ring& ring = board.RingInSlot(slot);
    const RingCopy& copy = rings_[static_cast<std::size_t>(slot)];
    std::copy(copy.transform.begin(), copy.transform.end(), std::begin(ring.transform));
    ring.SetOffset(copy.offset);
    for (std::size_t cell = 0; cell < copy.blocks.size() && cell < ring.CellCount(); ++cell) {
      ring.RestoreBlock(static_cast<std::uint16_t>(cell), copy.blocks[cell]->Clone());
    }
  }
}
