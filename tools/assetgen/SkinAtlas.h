// The layout every board skin shares. Blocks are drawn with the current skin
// bound and in white, so each block model's texture coordinates pick its
// colour's cell of the skin, whichever skin is chosen.
//
// A skin is a 256 x 256 TGA holding a 4 x 4 grid of 64 x 64 cells, numbered
// row by row from the top-left cell of the picture:
//    0 yellow    1 green      2 red        3 blue
//    4 marker    5 bomb       6 red bomb   7 yellow bomb
//    8 blue bomb 9 green bomb 10 group     11 horizontal line
//   12 vertical line  13 cross  14, 15 unused
#pragma once

#include <array>

namespace SkinAtlas {

constexpr int kSize = 256;
constexpr int kCellSize = 64;
constexpr int kCellsPerRow = kSize / kCellSize;

enum Cell {
  kYellow = 0,
  kGreen,
  kRed,
  kBlue,
  kMarker,
  kBomb,
  kRedBomb,
  kYellowBomb,
  kBlueBomb,
  kGreenBomb,
  kGroupBomb,
  kHorizontalBomb,
  kVerticalBomb,
  kCrossBomb,
};

// The cell's top-left pixel in the picture.
constexpr std::array<int, 2> PixelCorner(int cell) {
  return {cell % kCellsPerRow * kCellSize, cell / kCellsPerRow * kCellSize};
}

// The cell's texture rectangle {s0, t0, s1, t1} as the game samples a TGA
// (t = 0 at the bottom), drawn in by two pixels so that filtering never
// reaches into the neighbouring cell.
constexpr std::array<float, 4> TextureRect(int cell) {
  constexpr float inset = 2.0f / kSize;
  const auto [x, y] = PixelCorner(cell);
  const float s0 = static_cast<float>(x) / kSize;
  const float tTop = 1.0f - static_cast<float>(y) / kSize;
  const float cell01 = static_cast<float>(kCellSize) / kSize;
  return {s0 + inset, tTop - cell01 + inset, s0 + cell01 - inset, tTop - inset};
}

}  // namespace SkinAtlas
