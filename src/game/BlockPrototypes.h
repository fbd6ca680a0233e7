// One template block per colour; rings clone them when they deal a board. The
// templates start without models, so boards can be dealt where nothing can be
// drawn; the game loads the models once at start-up.
#pragma once

#include <array>
#include <memory>

#include "game/Block.h"

class BlockPrototypes {
 public:
  static BlockPrototypes& Instance();

  BlockPrototypes();
  // Loads "yellow.Asvm", "green.Asvm", "red.Asvm", "blue.Asvm" and "Marker.Asvm".
  void LoadModels();
  // Colours outside 1 to 5 get the empty template.
  const Block& ForColour(BlockColour colour) const;

 private:
  std::array<std::unique_ptr<Block>, kMarker + 1> templates_;
};
