// PNG files of RGBA pictures, for looking at what the generator made. The
// image data is deflated in stored blocks only: the files are larger than
// they need be, but nothing beyond the standard library is needed to write them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "assetgen/RgbaImage.h"

std::vector<std::uint8_t> EncodePng(const RgbaImage& image);

// The checksums PNG and zlib ask for, exposed so tests can check them.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes);
std::uint32_t Adler32(std::span<const std::uint8_t> bytes);
