// Uncompressed TGA pictures, the format of every texture that needs exact
// colours or an alpha channel.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "gfx/ODecodedImage.h"

// Takes 24-bit true colour, 32-bit true colour with alpha and 8-bit grey, with
// no image ID, colour map or origin. Rows stay in file order, bottom row first
// for the files we ship, and B,G,R[,A] becomes R,G,B[,A]. Anything else, or a
// file too short for the pixels its header promises, gives nothing.
std::optional<ODecodedImage> DecodeTga(std::span<const std::uint8_t> file);
