// The flat drawing space of overlays: width x height units, origin bottom left,
// without lighting or depth test.
#pragma once

#include <cstdint>

void SetOrtho2D(std::uint16_t width, std::uint16_t height);
