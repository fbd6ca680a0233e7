// The pointer's ray through the scene: which cell of a ring it is over, and
// which way the ring turns when the right button goes down there. Both answers
// come from the camera the board is seen through, so they agree with the picture.
#pragma once

#include <cstdint>

#include "game/CellPicker.h"

class Block;
class OCamera;

class RayCellPicker : public CellPicker {
 public:
  // Without a camera nothing is ever under the pointer.
  explicit RayCellPicker(const OCamera* camera = nullptr) : camera_(camera) {}

  void SetCamera(const OCamera* camera) { camera_ = camera; }

  // Walks the front half of the ring before the back half, so a block hides
  // whatever lies behind it; an empty cell is remembered but does not stop the
  // walk, so a block behind an empty cell still wins.
  std::int16_t Pick(const Ring& ring, const OEvent& event) override;
  // Whether the supply ring may be pointed at at all is the Breakdown rules' business.
  std::int16_t FirstCellHit(const Ring& ring, const OEvent& event) override;
  // The side of the ring's axis the pointer is on, as the camera sees it.
  int Direction(const Ring& ring, const OEvent& event) override;

  // Whether the whole line through the camera and the pointer crosses the block's box.
  bool Hits(const Block& block, const OEvent& event) const;

 private:
  const OCamera* camera_;  // not owned
};
