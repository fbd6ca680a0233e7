#include "game/GoodyTemplates.h"

#include <algorithm>

#include "game/BlockRandom.h"
#include "game/BombBonus.h"
#include "game/ColourBombBonus.h"
#include "game/CrossBonus.h"
#include "game/GroupDemolishBonus.h"
#include "game/HLDemolishBonus.h"
#include "game/VLDemolishBonus.h"
#include "gfx/OModelManager.h"

namespace {

// A draw this close to either end is taken again, so rounding never picks a goody of no weight.
constexpr double kEdge = 0.00001;
constexpr double kTolerance = 0.000001;

}  // namespace

GoodyTemplates& GoodyTemplates::Instance() {
  static GoodyTemplates templates;
  return templates;
}

GoodyTemplates::GoodyTemplates() {
  // The templates give their geometry back to the model cache when the program
  // ends, so the cache must be made first and destroyed last.
  OModelManager::Instance();
  auto add = [this](std::unique_ptr<Bonus> goody, const char* model) {
    registered_.push_back({std::move(goody), model, 0.0f});
  };
  add(std::make_unique<BombBonus>(), "bombabonus.asvm");
  add(std::make_unique<ColourBombBonus>("RedBombBonus", kRed), "redbonus.asvm");
  add(std::make_unique<ColourBombBonus>("YellowBombBonus", kYellow), "yellowbonus.asvm");
  add(std::make_unique<ColourBombBonus>("BlueBombBonus", kBlue), "bluebonus.asvm");
  add(std::make_unique<ColourBombBonus>("GreenBombBonus", kGreen), "greenbonus.asvm");
  add(std::make_unique<GroupDemolishBonus>(), "groupbonus.asvm");
  add(std::make_unique<HLDemolishBonus>(), "hlbonus.asvm");
  add(std::make_unique<VLDemolishBonus>(), "vlbonus.asvm");
  add(std::make_unique<CrossBonus>(), "crossbonus.asvm");
  SetWeights({});
}

void GoodyTemplates::LoadModels() {
  for (Entry& entry : registered_) {
    entry.goody->Load(entry.model);
    entry.goody->ComputeBounds();
  }
}

void GoodyTemplates::SetWeights(const std::map<std::string, float>& weights) {
  byWeight_.clear();
  for (Entry& entry : registered_) {
    const auto found = weights.find(entry.goody->name);
    entry.weight = found != weights.end() ? found->second : 0.0f;
    byWeight_.push_back(&entry);
  }
  std::stable_sort(byWeight_.begin(), byWeight_.end(),
                   [](const Entry* a, const Entry* b) { return a->weight < b->weight; });
}

const Bonus* GoodyTemplates::PickGoody(BlockRandom& random) const {
  double r = random.NextUnit();
  while (r < kEdge || r > 1.0 - kEdge) {
    r = random.NextUnit();
  }
  double sum = kEdge;
  for (const Entry* entry : byWeight_) {
    if (r - sum > kTolerance && r - (sum + entry->weight) < kTolerance) {
      return entry->goody.get();
    }
    sum += entry->weight;
  }
  return nullptr;
}

const Bonus* GoodyTemplates::Find(const std::string& name) const {
  for (const Entry& entry : registered_) {
    if (entry.goody->name == name) {
      return entry.goody.get();
    }
  }
  return nullptr;
}

std::vector<const Bonus*> GoodyTemplates::All() const {
  std::vector<const Bonus*> goodies;
  for (const Entry& entry : registered_) {
    goodies.push_back(entry.goody.get());
  }
  return goodies;
}
