#include "assetgen/TextRaster.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>

namespace {

constexpr const char* kFontFolder = "/usr/share/fonts/truetype/dejavu/";

}  // namespace

struct TextRaster::Face {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
};

TextRaster::TextRaster(int pixelSize, Weight weight) : face_(std::make_unique<Face>()) {
  const std::string path =
      std::string(kFontFolder) + (weight == Weight::Bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf");
  if (FT_Init_FreeType(&face_->library) != 0) {
    throw std::runtime_error("FreeType did not start");
  }
  if (FT_New_Face(face_->library, path.c_str(), 0, &face_->face) != 0 ||
      FT_Set_Pixel_Sizes(face_->face, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
    FT_Done_FreeType(face_->library);
    throw std::runtime_error("can't load the font " + path + " (package fonts-dejavu-core)");
  }
}

TextRaster::~TextRaster() {
  FT_Done_Face(face_->face);
  FT_Done_FreeType(face_->library);
}

TextRaster::Glyph TextRaster::Render(char32_t codePoint) const {
  Glyph glyph;
  if (FT_Load_Char(face_->face, codePoint, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) {
    return glyph;
  }
  const FT_GlyphSlot slot = face_->face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.height = static_cast<int>(bitmap.rows);
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.height);
  for (int row = 0; row < glyph.height; ++row) {
    const unsigned char* source = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
    std::copy(source, source + glyph.width,
              glyph.coverage.begin() + static_cast<std::ptrdiff_t>(row) * glyph.width);
  }
  return glyph;
}

int TextRaster::Ascent() const { return static_cast<int>((face_->face->size->metrics.ascender + 63) >> 6); }

int TextRaster::Descent() const {
  return static_cast<int>((-face_->face->size->metrics.descender + 63) >> 6);
}

int TextRaster::TextWidth(const std::string& text) const {
  int width = 0;
  for (const char c : text) {
    width += Render(static_cast<unsigned char>(c)).advance;
  }
  return width;
}

void TextRaster::Draw(RgbaImage& image, int x, int baseline, const std::string& text, Rgba colour) const {
  for (const char c : text) {
    const Glyph glyph = Render(static_cast<unsigned char>(c));
    for (int row = 0; row < glyph.height; ++row) {
      for (int column = 0; column < glyph.width; ++column) {
        const std::uint8_t coverage = glyph.coverage[static_cast<std::size_t>(row) * glyph.width + column];
        image.Blend(x + glyph.left + column, baseline - glyph.top + row, colour, coverage / 255.0f);
      }
    }
    x += glyph.advance;
  }
}
