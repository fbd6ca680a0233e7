#include "game/Block.h"

#include <utility>

#include "core/OConfig.h"
#include "game/Cylinder.h"
#include "game/GroupTable.h"
#include "game/Ring.h"
#include "gfx/OTextureManager.h"

Block::Block(std::string blockName, std::uint32_t clickSoundGroup)
    : name(std::move(blockName)), soundGroup(clickSoundGroup) {}

OTexture& Block::Skin() {
  // The skin lets go of its image when the program ends; the cache must still be there.
  OTextureManager::Instance();
  static OTexture skin;
  return skin;
}

void Block::LoadSkin() { Skin().Set(OConfig::Instance().skin); }

void Block::Draw() {
  Skin().Bind();
  if (state != BlockState::Vanishing) {
    OModel::Draw();
    return;
  }
  glDepthMask(GL_FALSE);
  OModel::Draw();
  glDepthMask(GL_TRUE);
}

void Block::Update(std::uint32_t elapsed) {
  if (state != BlockState::Vanishing) {
    return;
  }
  clock += elapsed;
  if (clock < kVanishTime) {
    const float scale = 1.0f + static_cast<float>(clock) / kVanishTime;
    SetScale(scale, scale, scale);
    SetAlpha(2.0f - scale);
  } else {
    state = BlockState::Gone;
    clock = 0;
  }
}

namespace {

void Enter(Cylinder& board, Ring& ring, int column, BlockColour groupColour, std::uint16_t group) {
  const std::uint16_t cell = ring.IndexOfColumn(column);
  Block& neighbour = ring.BlockAt(cell);
  if (neighbour.colour == kEmpty || (neighbour.colour != groupColour && neighbour.colour != kGoody)) {
    return;
  }
  // Goodies that touch each other join as one group of goodies; only the goody
  // the player clicked sets off its pattern, so patterns never chain.
  if (groupColour == kGoody) {
    neighbour.Block::Collect(board.SlotOf(ring), cell, groupColour, group, board);
  } else {
    neighbour.Collect(board.SlotOf(ring), cell, groupColour, group, board);
  }
}

}  // namespace

bool Block::Collect(std::uint16_t slot, std::uint16_t cell, BlockColour groupColour, std::uint16_t group,
                    Cylinder& board) {
  if (colour == kEmpty || visited) {
    return false;
  }
  visited = true;
  GroupTable::Instance().Add(group, {slot, cell});

  Ring& ring = board.RingInSlot(slot);
  const int column = ring.ColumnOf(cell);
  const int position = Cylinder::PositionOfSlot(slot, board.RingCount());
  Enter(board, ring, column - 1, groupColour, group);
  Enter(board, ring, column + 1, groupColour, group);
  // The cylinder is closed around, not from top to bottom.
  if (position < board.RingCount() - 1) {
    Enter(board, board.RingAt(position + 1), column, groupColour, group);
  }
  if (position >= 1) {
    Enter(board, board.RingAt(position - 1), column, groupColour, group);
  }
  return true;
}

std::unique_ptr<Block> Block::Clone() const { return std::make_unique<Block>(*this); }
