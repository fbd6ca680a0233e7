#include "game/RingArrows.h"

#include <algorithm>
#include <memory>

#include "game/Ring.h"
#include "gfx/OBaseImage.h"
#include "gfx/OClipList.h"

namespace {

void MakeTemplate(OClip& clip, const char* picture) {
  clip.SetTexture(picture);
  const OBaseImage& image = *clip.texture->Image();
  clip.columns = std::max(1, image.Width() / RingArrows::kFrameSize);
  clip.rows = std::max(1, image.Height() / RingArrows::kFrameSize);
  clip.lastFrame = clip.columns * clip.rows - 1;
  clip.halfSize = RingArrows::kHalfSize;
  clip.alpha = 1.0f;
  clip.frameDuration = RingArrows::kFrameTime;
}

}  // namespace

RingArrows::RingArrows(OClipList& clips) : clips_(clips) {
  // The camera sees the board mirrored: turning by +1 carries the front of the
  // ring to the left of the screen, and the arrow must point the way it goes.
  // The pictures are drawn as the player sees them.
  MakeTemplate(turnsLeft_, "LeftArrow.Tga");
  MakeTemplate(turnsRight_, "RightArrow.Tga");
}

void RingArrows::ShowArrow(const Ring& ring, int direction) {
  RetireArrow(ring);
  auto arrow = std::make_unique<OClip>(direction > 0 ? turnsLeft_ : turnsRight_);
  arrow->loops = true;
  // Beside the ring on the pointer's side, clear of the blocks.
  const float reach = ring.BlockAt(0).halfExtents[0] + ring.Radius() + kClearance;
  const std::array<float, 3> centre = ring.GetWorldPosition();
  arrow->transform[12] = centre[0] + (direction > 0 ? -reach : reach);
  arrow->transform[13] = centre[1];
  arrow->transform[14] = centre[2];
  shown_[&ring] = arrow.get();
  clips_.Add(std::move(arrow));
}

void RingArrows::RetireArrow(const Ring& ring) {
  const auto found = shown_.find(&ring);
  if (found == shown_.end()) {
    return;
  }
  found->second->loops = false;
  shown_.erase(found);
}

// At the end of a game or a level no arrow may linger, not even one still playing to its end.
void RingArrows::Clear() {
  shown_.clear();
  clips_.Clear();
}

const OClip* RingArrows::ArrowOf(const Ring& ring) const {
  const auto found = shown_.find(&ring);
  return found == shown_.end() ? nullptr : found->second;
}
