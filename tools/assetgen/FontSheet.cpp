#include "assetgen/FontSheet.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "assetgen/TextRaster.h"

namespace FontSheet {

namespace {

// Large enough to read well when the game shrinks text, small enough that the
// tallest accented capitals and the lowest descenders stay inside a cell.
constexpr int kEmSize = 24;
// The measured advance ends at the last inked column, losing the space a
// glyph keeps on its right. Starting every pen one column in gives that space
// back between letters.
constexpr int kPenStart = 1;
// Wide glyphs (the per mille sign) are drawn smaller until they fit.
constexpr int kSmallestEmSize = 14;

constexpr std::array<char32_t, 32> kHighCodes = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

struct Placement {
  int x;
  int y;
};

// Where the glyph's bitmap goes in its cell, or nothing when it does not fit.
// The cell's outermost rows and columns stay clear: the game samples the font
// with linear filtering, which would pull ink across from a neighbour.
bool Place(const TextRaster::Glyph& glyph, Placement& placement) {
  placement.x = std::max(kPenStart + glyph.left, 1);
  placement.y = kBaseline - glyph.top;
  return placement.x + glyph.width <= kCellSize - 1 && placement.y >= 1 &&
         placement.y + glyph.height <= kCellSize - 1;
}

}  // namespace

char32_t FromWindows1252(std::uint8_t code) {
  if (code >= 0x80 && code <= 0x9F) {
    return kHighCodes[code - 0x80];
  }
  if (code < 0x20 || code == 0x7F) {
    return 0;
  }
  return code;
}

RgbaImage Make() {
  // White everywhere so that filtering at the ink's edge never pulls in a dark
  // colour; only the alpha channel carries the letters.
  RgbaImage sheet(kWidth, kHeight, {255, 255, 255, 0});
  std::vector<std::unique_ptr<TextRaster>> sizes;
  for (int size = kEmSize; size >= kSmallestEmSize; --size) {
    sizes.push_back(std::make_unique<TextRaster>(size));
  }
  for (int code = kFirstCode; code <= kLastCode; ++code) {
    const char32_t character = FromWindows1252(static_cast<std::uint8_t>(code));
    if (character == 0) {
      continue;
    }
    TextRaster::Glyph glyph;
    Placement placement{};
    for (const auto& raster : sizes) {
      glyph = raster->Render(character);
      if (Place(glyph, placement)) {
        break;
      }
    }
    if (!Place(glyph, placement)) {
      continue;
    }
    const int cellX = (code - kFirstCode) % 16 * kCellSize;
    const int cellY = (code - kFirstCode) / 16 * kCellSize;
    for (int row = 0; row < glyph.height; ++row) {
      for (int column = 0; column < glyph.width; ++column) {
        sheet.At(cellX + placement.x + column, cellY + placement.y + row)[3] =
            glyph.coverage[static_cast<std::size_t>(row) * glyph.width + column];
      }
    }
  }
  return sheet;
}

}  // namespace FontSheet
