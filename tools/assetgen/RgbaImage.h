// A picture being drawn by the asset generator: RGBA bytes, rows from the top,
// written out as a TGA or a JPEG the game's loaders read.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

using Rgba = std::array<std::uint8_t, 4>;

class RgbaImage {
 public:
  RgbaImage(int width, int height, Rgba fill = {0, 0, 0, 0});

  int Width() const { return width_; }
  int Height() const { return height_; }

  // (0, 0) is the top-left pixel.
  Rgba& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  const Rgba& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  // Lays `colour` over the pixel with the given coverage (0..1) times its own
  // alpha; pixels outside the picture are ignored.
  void Blend(int x, int y, Rgba colour, float coverage = 1.0f);
  void Fill(Rgba colour);

  // An uncompressed TGA, 32 bits with alpha or 24 without. Its rows run bottom
  // to top, so the game's texture coordinate t = 0 is the picture's bottom edge.
  std::vector<std::uint8_t> ToTga(bool withAlpha) const;
  // A baseline JPEG of the colour channels. The game uploads a JPEG's rows in
  // file order and draws its pictures with t = 0 at the bottom, so the rows
  // are stored bottom to top: the picture stands upright on screen (and
  // upside down in an ordinary viewer).
  std::vector<std::uint8_t> ToJpeg(int quality) const;

 private:
  int width_;
  int height_;
  std::vector<Rgba> pixels_;
};
