// Every model the game loads: the board's blocks and goodies, and the
// buttons and option controls of the screens with the pictures they name.
#include "assetgen/Models.h"

#include "assetgen/AssetSink.h"
#include "assetgen/Blocks.h"
#include "assetgen/Buttons.h"

void WriteModels(AssetSink& sink) {
  Blocks::Write(sink);
  Buttons::Write(sink);
}
