// assetgen: makes every texture, model, font, sound and music module the game
// loads, the same bytes on every run, so that no binary asset is committed.
//   assetgen FOLDER                  writes FOLDER/archive/Data/... and FOLDER/Sounds/...
//   assetgen --contact-sheet OUT.png  draws every texture and model into one picture
#include <cstdio>
#include <exception>
#include <string>

#include "assetgen/AssetSink.h"
#include "assetgen/ContactSheet.h"
#include "assetgen/Models.h"
#include "assetgen/Music.h"
#include "assetgen/Sounds.h"
#include "assetgen/Textures.h"

int main(int argc, char** argv) {
  const bool sheet = argc == 3 && std::string(argv[1]) == "--contact-sheet";
  if (argc != 2 && !sheet) {
    std::fputs("usage: assetgen FOLDER\n       assetgen --contact-sheet OUT.png\n", stderr);
    return 2;
  }
  try {
    if (sheet) {
      MakeContactSheet(argv[2]);
      return 0;
    }
    AssetSink sink(argv[1]);
    WriteTextures(sink);
    WriteModels(sink);
    WriteSounds(sink);
    WriteMusic(sink);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "assetgen: %s\n", error.what());
    return 1;
  }
  return 0;
}
