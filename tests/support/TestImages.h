// TGA and JPEG files for image tests and fuzz seeds, drawn as text. A picture
// is one string per row, in the order the file stores its rows, and one letter
// per pixel: K black, W white, R red, G green, B blue, Y yellow, C cyan, M magenta.
// No test framework here: the fuzz build's seed writer uses it too.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using Rows = std::vector<std::string>;
using Rgb = std::array<std::uint8_t, 3>;

Rgb ColourOf(char letter);
// The letter's brightness, as grey files store it.
std::uint8_t GreyOf(char letter);

// An uncompressed TGA: true colour of 24 bits, or of 32 with every alpha 255,
// or 8-bit grey.
std::vector<std::uint8_t> TgaFile(const Rows& rows, int bitsPerPixel = 24);

enum class JpegColours { kRgb, kGrey, kCmyk };

// Each letter becomes a flat block of blockSize x blockSize pixels; blocks of
// 16 keep whole colour-subsampled squares flat, so lossy colours stay close.
std::vector<std::uint8_t> JpegFile(const Rows& rows, int blockSize, JpegColours colours = JpegColours::kRgb);
