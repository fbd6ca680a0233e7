// The animated arrows beside the ring under the pointer, which show the way a
// right click turns it. Each ring has at most one looping arrow; a replaced
// arrow plays to its last frame before the screen's clip list drops it.
#pragma once

#include <unordered_map>

#include "game/ArrowList.h"
#include "gfx/OClip.h"

class OClipList;

class RingArrows : public ArrowList {
 public:
  static constexpr int kFrameSize = 64;  // pixels
  static constexpr float kHalfSize = 4.0f;
  static constexpr int kFrameTime = 50;  // ms
  // How far beyond the blocks' outer faces the arrow stands.
  static constexpr float kClearance = 10.0f;

  // The clips go into the screen's list, which must outlive this object.
  // Loads both arrow pictures; a missing one throws OFileNotFound.
  explicit RingArrows(OClipList& clips);

  void ShowArrow(const Ring& ring, int direction) override;
  void RetireArrow(const Ring& ring) override;
  void Clear() override;

  // The looping arrow of a ring, or null.
  const OClip* ArrowOf(const Ring& ring) const;

 private:
  OClipList& clips_;
  OClip turnsLeft_;   // direction +1: the front of the ring moves to the left of the screen
  OClip turnsRight_;  // direction -1
  std::unordered_map<const Ring*, OClip*> shown_;  // the clips are the list's
};
