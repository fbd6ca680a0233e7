#include "game/BoardCursor.h"

#include <algorithm>

#include "game/Cylinder.h"
#include "game/Ring.h"

namespace {

// The ring's columns count up toward the player's left: the camera's view is mirrored.
constexpr int kColumnsToTheRight = -1;

}  // namespace

void BoardCursor::SetBoard(const Cylinder* board, bool withSupplyRing) {
  board_ = board;
  withSupplyRing_ = withSupplyRing;
  shown_ = false;
  position_ = board != nullptr ? board->RingCount() / 2 : 0;
  column_ = 0;
  turnDirection_ = 1;
}

void BoardCursor::MoveAcross(int columns) {
  column_ = std::clamp(column_ + columns * kColumnsToTheRight, -kReach, kReach);
}

void BoardCursor::MoveUpDown(int rings) {
  if (board_ != nullptr) {
    position_ = std::clamp(position_ + rings, withSupplyRing_ ? kSupplyPosition : 0, board_->RingCount() - 1);
  }
}

bool BoardCursor::OnCursorRing(const Ring& ring) const {
  return board_ != nullptr && position_ >= 0 && position_ < board_->RingCount() && &board_->RingAt(position_) == &ring;
}

std::int16_t BoardCursor::Pick(const Ring& ring, const OEvent& event) {
  if (!shown_) {
    return pointer_.Pick(ring, event);
  }
  return OnCursorRing(ring) ? static_cast<std::int16_t>(ring.IndexOfColumn(column_)) : -1;
}

std::int16_t BoardCursor::FirstCellHit(const Ring& ring, const OEvent& event) {
  if (!shown_) {
    return pointer_.FirstCellHit(ring, event);
  }
  return position_ == kSupplyPosition ? static_cast<std::int16_t>(ring.IndexOfColumn(column_)) : -1;
}

int BoardCursor::Direction(const Ring& ring, const OEvent& event) {
  return shown_ ? turnDirection_ : pointer_.Direction(ring, event);
}
