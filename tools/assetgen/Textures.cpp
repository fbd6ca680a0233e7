#include "assetgen/Textures.h"

#include "assetgen/AssetSink.h"
#include "assetgen/Backgrounds.h"
#include "assetgen/FontSheet.h"
#include "assetgen/Skins.h"
#include "assetgen/Sprites.h"

namespace {

// High enough that the title's edges stay clean; the soft skies still come
// out at a few dozen kilobytes each.
constexpr int kJpegQuality = 90;

}  // namespace

std::vector<std::pair<std::string, std::vector<std::uint8_t>>> MakeTextures() {
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> textures;
  auto tga = [&](const std::string& name, const RgbaImage& image, bool withAlpha) {
    textures.emplace_back(name, image.ToTga(withAlpha));
  };
  auto jpeg = [&](const std::string& name, const RgbaImage& image) {
    textures.emplace_back(name, image.ToJpeg(kJpegQuality));
  };

  jpeg("Loading.jpg", Backgrounds::MakeLoading());
  tga("Font.Tga", FontSheet::Make(), true);
  tga("Cursor.Tga", Sprites::MakeCursor(), true);
  jpeg("Menu.jpg", Backgrounds::MakeMenu());
  jpeg("gametypebright.jpg", Backgrounds::MakeGameType());
  jpeg("nongameback.jpg", Backgrounds::MakeSideScreen());
  jpeg("brightgameback.jpg", Backgrounds::MakeGame());
  tga("LeftArrow.Tga", Sprites::MakeArrowSheet(Sprites::Direction::Left), true);
  tga("RightArrow.Tga", Sprites::MakeArrowSheet(Sprites::Direction::Right), true);
  tga("Lump.tga", Sprites::MakeSpark(), true);
  // The options screen offers the skins under these names; the default
  // setting is "scr.tga", so the most polished look goes there.
  tga("scr.tga", Skins::Make(Skins::Look::Glossy), false);
  tga("col.tga", Skins::Make(Skins::Look::Matte), false);
  tga("wea.tga", Skins::Make(Skins::Look::Stone), false);
  tga("tex.tga", Skins::Make(Skins::Look::Metal), false);
  tga("dom.tga", Skins::Make(Skins::Look::Symbols), false);
  tga("Icon.Tga", Sprites::MakeIcon(Sprites::kWindowIconSize), true);
  return textures;
}

void WriteTextures(AssetSink& sink) {
  for (const auto& [name, bytes] : MakeTextures()) {
    sink.AddArchiveMember("Data/Textures/" + name, bytes);
  }
}
