// One template of each goody; the supply ring clones them. The templates start
// without models, so the rules run where nothing can be drawn; the game loads
// the models once at start-up.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/Bonus.h"

class BlockRandom;

class GoodyTemplates {
 public:
  static GoodyTemplates& Instance();

  GoodyTemplates();
  void LoadModels();
  // Gives each template its share for a level and orders them by it, smallest first.
  void SetWeights(const std::map<std::string, float>& weights);
  // Draws a template with the chance of its share; null when the draw falls past the last share.
  const Bonus* PickGoody(BlockRandom& random) const;
  // Null for a name no goody has.
  const Bonus* Find(const std::string& name) const;
  // In the order they were registered.
  std::vector<const Bonus*> All() const;

 private:
  struct Entry {
    std::unique_ptr<Bonus> goody;
    std::string model;
    float weight = 0.0f;
  };

  std::vector<Entry> registered_;
  std::vector<const Entry*> byWeight_;
};
