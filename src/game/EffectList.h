// Every running effect of the program, updated and drawn by the screen that
// shows them. Effects that are no longer alive are dropped in order.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "game/ZtBaseBound.h"

class EffectList {
 public:
  static EffectList& Instance();

  void Add(std::unique_ptr<ZtBaseBound> effect);
  void UpdateAll(double elapsed);
  void DrawAll();
  void Clear() { effects_.clear(); }
  std::size_t Size() const { return effects_.size(); }
  ZtBaseBound& operator[](std::size_t index) { return *effects_[index]; }

 private:
  std::vector<std::unique_ptr<ZtBaseBound>> effects_;
};
