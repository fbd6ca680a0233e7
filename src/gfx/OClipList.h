// The running clips of a screen: updated and drawn together, and dropped as
// soon as they finish.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/OClip.h"

class OCamera;

class OClipList {
 public:
  void Add(std::unique_ptr<OClip> clip) { clips_.push_back(std::move(clip)); }
  void Clear() { clips_.clear(); }
  // Updates every clip, then removes the finished ones; the rest keep their order.
  void UpdateAll(std::uint32_t elapsed);
  // Sprites are flat and see-through: drawn without culling, depth test or lighting.
  void DrawAll(const OCamera& camera);

  std::size_t Size() const { return clips_.size(); }
  bool Empty() const { return clips_.empty(); }
  OClip& operator[](std::size_t index) { return *clips_[index]; }

 private:
  std::vector<std::unique_ptr<OClip>> clips_;
};
