// The three music modules, written into the archive where the game's player looks.
#include "assetgen/Music.h"

#include "assetgen/AssetSink.h"
#include "assetgen/ItFile.h"
#include "assetgen/ModFile.h"
#include "assetgen/Tunes.h"

void WriteMusic(AssetSink& sink) {
  sink.AddArchiveMember("Data/Mod/lefoly.mod", EncodeMod(LefolyTune()));
  sink.AddArchiveMember("Data/Mod/magpot.mod", EncodeMod(MagpotTune()));
  sink.AddArchiveMember("Data/Mod/menu.it", EncodeIt(MenuTune()));
}
