// The board's pieces: the coloured blocks and the marker in a high- and a
// low-detail version, and the nine goodies. All of them are drawn with the
// current skin bound, so they name no texture and take their colours from
// their cell of the skin atlas.
#pragma once

#include <string>
#include <vector>

#include "gfx/AsvmFile.h"

class AssetSink;

namespace Blocks {

// The board's ring: blocks sit at this radius, one in each twentieth of it.
constexpr float kRingRadius = 24.0f;
constexpr int kCells = 20;
// A block's extent. Its height runs along x (the ring's axis), its width along
// the ring (y, measured on the ring's radius) and its depth along z, with the
// visible face at -z looking out from the ring.
constexpr float kHalfHeight = 3.2f;  // rings are 6.8 apart
constexpr float kHalfWidth = 3.57f;  // a cell is 7.54 wide; the rest is the gap
constexpr float kHalfDepth = 2.0f;

struct Piece {
  std::string name;  // file name, without folder
  int cell;          // of the skin atlas
};
// The five blocks, in the order of their colour numbers.
const std::vector<Piece>& BlockPieces();
const std::vector<Piece>& GoodyPieces();

AsvmFile BlockModel(int cell, bool highDetail);
AsvmFile GoodyModel(const std::string& name, int cell);

// Blocks into Data/Models/Hi/ and Low/; goodies into those and Data/Models/,
// since a goody is loaded like a block but may be asked for without detail levels.
void Write(AssetSink& sink);

}  // namespace Blocks
