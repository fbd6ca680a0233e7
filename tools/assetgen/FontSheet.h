// The game's bitmap font, "Font.Tga": one 32 x 32 cell per character code
// from 32 to 159, sixteen to a row from the top-left, white ink in the alpha
// channel. The game measures each character's advance from the rightmost inked
// column of its cell, so glyphs sit at the left of their cells.
#pragma once

#include <cstdint>

#include "assetgen/RgbaImage.h"

namespace FontSheet {

constexpr int kWidth = 512;
constexpr int kHeight = 256;
constexpr int kCellSize = 32;
constexpr int kFirstCode = 32;
constexpr int kLastCode = 159;
// Rows from the cell's top down to the baseline. The game draws a line of
// text with the cells' bottom edge a few units below its position, so the
// baseline sits near the text's nominal y and descenders hang below it.
constexpr int kBaseline = 24;

// The character a byte stands for in the Windows-1252 code page the game's
// texts are written in, or 0 where the code page leaves the byte unused.
char32_t FromWindows1252(std::uint8_t code);

RgbaImage Make();

}  // namespace FontSheet
