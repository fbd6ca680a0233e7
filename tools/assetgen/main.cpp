// assetgen: makes every texture, model, font, sound and music module the game
// loads, the same bytes on every run, so that no binary asset is committed.
//   assetgen FOLDER                  writes FOLDER/archive/Data/... and FOLDER/Sounds/...
//   assetgen --contact-sheet OUT.png  draws every texture and model into one picture
//   assetgen --icon SIZE OUT.png      draws the game's icon SIZE pixels square, for the desktop
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "assetgen/AssetSink.h"
#include "assetgen/ContactSheet.h"
#include "assetgen/Models.h"
#include "assetgen/Music.h"
#include "assetgen/PngWriter.h"
#include "assetgen/Sounds.h"
#include "assetgen/Sprites.h"
#include "assetgen/Textures.h"

namespace {

void WriteIcon(std::string_view sizeText, const std::string& pngPath) {
  int size = 0;
  const auto [end, error] = std::from_chars(sizeText.data(), sizeText.data() + sizeText.size(), size);
  // Desktops ask for icons from 16 pixels to 512; anything else is a typing slip.
  if (error != std::errc() || end != sizeText.data() + sizeText.size() || size < 16 || size > 512) {
    throw std::runtime_error("the icon size must be from 16 to 512 pixels, not " + std::string(sizeText));
  }
  const std::vector<std::uint8_t> png = EncodePng(Sprites::MakeIcon(size));
  std::ofstream file(pngPath, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  if (!file) {
    throw std::runtime_error("can't write " + pngPath);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string option = argc > 1 ? argv[1] : "";
  const bool sheet = argc == 3 && option == "--contact-sheet";
  const bool icon = argc == 4 && option == "--icon";
  if (argc != 2 && !sheet && !icon) {
    std::fputs(
        "usage: assetgen FOLDER\n"
        "       assetgen --contact-sheet OUT.png\n"
        "       assetgen --icon SIZE OUT.png\n",
        stderr);
    return 2;
  }
  try {
    if (sheet) {
      MakeContactSheet(argv[2]);
      return 0;
    }
    if (icon) {
      WriteIcon(argv[2], argv[3]);
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
