// Text drawn with FreeType from the DejaVu fonts: the game's bitmap font and
// every label on a button face are made with it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "assetgen/RgbaImage.h"

class TextRaster {
 public:
  enum class Weight { Regular, Bold };

  // Pixel size is the em height. Throws when the font cannot be loaded.
  explicit TextRaster(int pixelSize, Weight weight = Weight::Regular);
  ~TextRaster();
  TextRaster(const TextRaster&) = delete;
  TextRaster& operator=(const TextRaster&) = delete;

  struct Glyph {
    int width = 0;
    int height = 0;
    int left = 0;                        // from the pen position to the bitmap's left edge
    int top = 0;                         // from the baseline up to the bitmap's top edge
    int advance = 0;                     // pen movement, whole pixels
    std::vector<std::uint8_t> coverage;  // rows from the top
  };
  Glyph Render(char32_t codePoint) const;

  // Pixels from the baseline up to the tallest letters, and down to the lowest.
  int Ascent() const;
  int Descent() const;
  // Width of a line of Latin-1 text.
  int TextWidth(const std::string& text) const;
  // Draws a line of Latin-1 text with its baseline at y, starting at pen x.
  void Draw(RgbaImage& image, int x, int baseline, const std::string& text, Rgba colour) const;

 private:
  struct Face;
  std::unique_ptr<Face> face_;
};
