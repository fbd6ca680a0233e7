#include "game/EffectList.h"

#include <GL/gl.h>

#include <algorithm>

EffectList& EffectList::Instance() {
  static EffectList list;
  return list;
}

void EffectList::Add(std::unique_ptr<ZtBaseBound> effect) { effects_.push_back(std::move(effect)); }

void EffectList::UpdateAll(double elapsed) {
  for (auto& effect : effects_) {
    if (effect->alive) {
      effect->Update(elapsed);
    }
  }
  std::erase_if(effects_, [](const auto& effect) { return !effect->alive; });
}

void EffectList::DrawAll() {
  // Sparks carry their own colours; the scene's light would only grey them.
  glDisable(GL_LIGHTING);
  for (auto& effect : effects_) {
    effect->Draw();
  }
  glEnable(GL_LIGHTING);
  glEnable(GL_DEPTH_TEST);
}
