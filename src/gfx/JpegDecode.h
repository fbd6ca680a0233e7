// JPEG pictures through libjpeg, the format of the large photographic
// backgrounds where a few lost bits do not show.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "gfx/ODecodedImage.h"

// A header may claim up to 65500 x 65500 pixels in a few dozen bytes; the
// game's pictures are nowhere near this, so larger ones are refused before
// anything is allocated for them.
inline constexpr int kLargestJpegSide = 4096;

// Grey and colour files are taken; CMYK and other colour spaces are refused.
// Rows stay in file order, top row first. The pixel block always holds
// width x height x 3 bytes; a grey picture fills its first width x height.
// A corrupt or truncated file gives nothing, and libjpeg prints nothing.
std::optional<ODecodedImage> DecodeJpeg(std::span<const std::uint8_t> file);
