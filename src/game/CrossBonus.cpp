#include "game/CrossBonus.h"

#include <vector>

#include "game/BlockManager.h"
#include "game/Cylinder.h"

bool CrossBonus::Collect(std::uint16_t slot, std::uint16_t cell, BlockColour groupColour, std::uint16_t group,
                         Cylinder& board) {
  if (groupColour != kGoody) {
    return Block::Collect(slot, cell, groupColour, group, board);
  }
  if (visited) {
    return false;
  }
  visited = true;
  Add(group, slot, cell, 3);
  BlockManager* manager = board.Manager();
  if (manager != nullptr) {
    manager->CountExtraGroup();
  }

  const int position = PositionOf(board, slot);
  const int column = ColumnOf(board, slot, cell);
  struct Neighbour {
    int position;
    int column;
  };
  std::vector<Neighbour> neighbours;
  if (position + 1 < board.RingCount()) {
    neighbours.push_back({position + 1, column});
  }
  if (position >= 1) {
    neighbours.push_back({position - 1, column});
  }
  neighbours.push_back({position, column - 1});
  neighbours.push_back({position, column + 1});

  std::uint16_t next = group;
  for (std::size_t k = 0; k < neighbours.size(); ++k) {
    Ring& ring = board.RingAt(neighbours[k].position);
    const std::uint16_t index = ring.IndexOfColumn(neighbours[k].column);
    const auto ringSlot = static_cast<std::uint16_t>(board.SlotOf(ring));
    Block& block = ring.BlockAt(index);
    // Each neighbour's own group goes too when it is big enough.
    block.Block::Collect(ringSlot, index, block.colour, ++next, board);
    // The neighbour itself always goes; an empty cell only shows sparks and counts toward the score.
    Add(group, ringSlot, index);
    // The search after the click counts the last number itself.
    if (k + 1 < neighbours.size() && manager != nullptr) {
      manager->CountExtraGroup();
    }
  }
  return true;
}
