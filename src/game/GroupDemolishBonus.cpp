#include "game/GroupDemolishBonus.h"

#include "game/BlockManager.h"
#include "game/Cylinder.h"

bool GroupDemolishBonus::Collect(std::uint16_t slot, std::uint16_t cell, BlockColour groupColour,
                                 std::uint16_t group, Cylinder& board) {
  if (groupColour != kGoody) {
    return Block::Collect(slot, cell, groupColour, group, board);
  }
  visited = true;
  BlockManager* manager = board.Manager();
  // Every group on the board gets a number of its own; the removal then takes
  // each one that is big enough.
  std::uint16_t next = group;
  for (int ringSlot = 0; ringSlot < board.RingCount(); ++ringSlot) {
    Ring& ring = board.RingInSlot(ringSlot);
    for (std::uint16_t index = 0; index < ring.CellCount(); ++index) {
      Block& block = ring.BlockAt(index);
      if (block.Block::Collect(static_cast<std::uint16_t>(ringSlot), index, block.colour, next, board)) {
        ++next;
        if (manager != nullptr) {
          manager->CountExtraGroup();
        }
      }
    }
  }
  Add(next, slot, cell, 3);
  return true;
}
