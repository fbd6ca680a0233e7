// Texture handles: sharing one image per name, letting go of it, and the
// files the game refuses to show.
#include "TextureTest.h"
#include "app/OException.h"
#include "gfx/OBaseImage.h"
#include "gfx/OTexture.h"

namespace {

using OTextureTest = TextureTest;

TEST_F(OTextureTest, HandlesToOneNameShareOneImageUntilTheLastLetsGo) {
  {
    TextureArchive archive({{"Pic.tga", TgaFile({"RG"})}});
    OTexture first, second;
    first.Set("Pic.tga");
    second.Set("Pic.tga");
    OBaseImage* image = first.Image();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(second.Image(), image);
    EXPECT_EQ(image->ReferenceCount(), 2);
    EXPECT_EQ(manager_.Find("Pic.tga"), image);
    {
      SCOPED_TRACE("a copy holds a reference of its own");
      OTexture copy = second;
      OTexture assigned;
      assigned = copy;
      EXPECT_EQ(image->ReferenceCount(), 4);
    }
    EXPECT_EQ(image->ReferenceCount(), 2);

    first.Clear();
    first.Clear();
    EXPECT_TRUE(first.Empty());
    EXPECT_EQ(first.Name(), "");
    EXPECT_EQ(second.Image(), image);
    EXPECT_EQ(manager_.Find("Pic.tga"), image);
    second.Set("Pic.tga");
    EXPECT_EQ(second.Image(), image) << "setting the same name keeps the image";
    second.Clear();
    EXPECT_EQ(manager_.Find("Pic.tga"), nullptr);
  }
  {
    SCOPED_TRACE("once gone, the name is decoded again from the archive");
    TextureArchive archive({{"Pic.tga", TgaFile({"RGB"})}});
    OTexture texture;
    texture.Set("Pic.tga");
    EXPECT_EQ(texture.Image()->Width(), 3);
    {
      SCOPED_TRACE("cache names keep their case; the archive's do not");
      OTexture other;
      other.Set("PIC.tga");
      EXPECT_NE(other.Image(), texture.Image());
      EXPECT_EQ(manager_.Count(), 2u);
    }
    texture.Set("PIC.tga");
    EXPECT_EQ(manager_.Find("Pic.tga"), nullptr) << "the old image went with its last handle";
  }
}

// The first occurrence of `marker` in a JPEG file.
std::size_t Find(const Bytes& file, std::initializer_list<std::uint8_t> marker) {
  return std::search(file.begin(), file.end(), marker.begin(), marker.end()) - file.begin();
}

TEST_F(OTextureTest, RefusedFilesThrowAndAreNotCached) {
  const Bytes tga = TgaFile({"RG", "BY"});
  const Bytes jpeg = JpegFile({"RG", "BY"}, 16);
  const auto changed = [](Bytes file, std::size_t at, std::uint8_t value) {
    file[at] = value;
    return file;
  };
  const std::vector<std::pair<std::string, Bytes>> refused = {
      {"UpperCase.JPG", jpeg},
      {"ImageId.tga", changed(tga, 0, 1)},
      {"ColourMap.tga", changed(tga, 1, 1)},
      {"Origin.tga", changed(tga, 10, 1)},
      {"Rle.tga", changed(tga, 2, 10)},
      {"Bits16.tga", changed(tga, 16, 16)},
      {"Grey24.tga", changed(tga, 2, 3)},
      {"Truncated.tga", Bytes(tga.begin(), tga.end() - 1)},
      {"BadPrecision.jpg", changed(jpeg, Find(jpeg, {0xFF, 0xC0}) + 4, 7)},
      {"NotAJpeg.jpg", tga},
      {"CutInHeader.jpg", Bytes(jpeg.begin(), jpeg.begin() + jpeg.size() / 2)},
      {"CutInPicture.jpg", Bytes(jpeg.begin(), jpeg.begin() + Find(jpeg, {0xFF, 0xDA}) + 20)},
      {"Cmyk.jpg", JpegFile({"RG"}, 16, JpegColours::kCmyk)},
  };
  TextureArchive archive(refused);
  for (const auto& [name, bytes] : refused) {
    SCOPED_TRACE(name);
    OTexture texture;
    EXPECT_THROW(texture.Set(name), OFileNotFound);
    EXPECT_TRUE(texture.Empty());
    EXPECT_EQ(texture.Name(), name);
    EXPECT_EQ(manager_.Find(name), nullptr);
  }
  SCOPED_TRACE("a missing file");
  OTexture texture;
  EXPECT_THROW(texture.Set("Missing.tga"), OFileNotFound);
  EXPECT_EQ(texture.Name(), "Missing.tga");
  EXPECT_EQ(manager_.Count(), 0u);
}

}  // namespace
