#include "game/BlockPrototypes.h"

#include "gfx/OModelData.h"
#include "gfx/OModelManager.h"

namespace {

constexpr const char* kModelNames[] = {"",         "yellow.Asvm", "green.Asvm",
                                       "red.Asvm", "blue.Asvm",   "Marker.Asvm"};

}  // namespace

BlockPrototypes& BlockPrototypes::Instance() {
  static BlockPrototypes prototypes;
  return prototypes;
}

BlockPrototypes::BlockPrototypes() {
  // The templates give their geometry back to the model cache when the program
  // ends, so the cache must be made first and destroyed last.
  OModelManager::Instance();
  for (std::size_t colour = 0; colour < templates_.size(); ++colour) {
    templates_[colour] = std::make_unique<Block>();
    templates_[colour]->colour = static_cast<BlockColour>(colour);
  }
}

void BlockPrototypes::LoadModels() {
  for (std::size_t colour = kYellow; colour < templates_.size(); ++colour) {
    // Blocks come in a high- and a low-detail version; the setting picks one.
    templates_[colour]->Data().detailLevels = true;
    templates_[colour]->Load(kModelNames[colour]);
    templates_[colour]->ComputeBounds();
  }
}

const Block& BlockPrototypes::ForColour(BlockColour colour) const {
  return colour < templates_.size() ? *templates_[colour] : *templates_[kEmpty];
}
