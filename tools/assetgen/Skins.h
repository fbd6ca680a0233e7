// The five board skins. Each paints every cell of the shared atlas (see
// SkinAtlas.h) in its own material, so that any skin fits every block model.
#pragma once

#include "assetgen/RgbaImage.h"

namespace Skins {

enum class Look {
  Glossy,   // polished, bevelled tiles with a highlight
  Matte,    // flat colour and a thin frame, the plainest
  Stone,    // rough, weathered stone
  Metal,    // brushed, riveted plates
  Symbols,  // a shape per colour, readable without telling colours apart
};

// A 256 x 256 opaque picture, cells laid out as SkinAtlas.h says.
RgbaImage Make(Look look);

}  // namespace Skins
