#include "assetgen/Skins.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "assetgen/Paint.h"
#include "assetgen/Palette.h"
#include "assetgen/SkinAtlas.h"

namespace Skins {

namespace {

using paint::Point;

constexpr int kCell = SkinAtlas::kCellSize;
constexpr float kMiddle = kCell / 2.0f;
constexpr float kPi = std::numbers::pi_v<float>;

// Light comes from the top left, as on the lit block models.
constexpr Point kLight = {-0.6f, -0.8f};

float Clamp01(float value) { return std::clamp(value, 0.0f, 1.0f); }

Rgba Grey(Rgba colour) {
  const auto level = static_cast<std::uint8_t>(0.3f * colour[0] + 0.55f * colour[1] + 0.15f * colour[2]);
  return {level, level, level, 255};
}

// How strongly a point on a bevel faces the light, -1 to 1, from the slope of
// the tile's edge distance there.
float BevelFacing(const paint::Shape& edge, float x, float y) {
  const float gx = edge(x + 0.5f, y) - edge(x - 0.5f, y);
  const float gy = edge(x, y + 0.5f) - edge(x, y - 0.5f);
  const float length = std::hypot(gx, gy);
  if (length == 0.0f) {
    return 0.0f;
  }
  // The outward slope of the edge; a bevel leans that way, so it faces the
  // light when the outward direction points at it.
  return (gx * kLight.x + gy * kLight.y) / length;
}

RgbaImage GlossyTile(Rgba base) {
  RgbaImage tile(kCell, kCell);
  const paint::Shape edge = paint::RoundedBox({kMiddle, kMiddle}, 30.5f, 30.5f, 9.0f);
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      const float px = x + 0.5f;
      const float py = y + 0.5f;
      const float depth = -edge(px, py);
      float light = 1.12f - 0.3f * py / kCell;
      if (depth < 7.0f) {
        light += 0.4f * BevelFacing(edge, px, py) * (1.0f - Clamp01(depth / 7.0f));
      }
      Rgba colour = paint::Scale(base, light);
      // A broad sheen over the upper half, brightest near the top.
      const float sx = (px - kMiddle) / 23.0f;
      const float sy = (py - 19.0f) / 11.0f;
      const float sheen = Clamp01(1.0f - sx * sx - sy * sy) * Clamp01((30.0f - py) / 14.0f);
      colour = paint::Mix(colour, {255, 255, 255, 255}, 0.45f * sheen);
      if (depth < 0.0f) {
        colour = paint::Scale(base, 0.45f);
      }
      tile.At(x, y) = paint::WithAlpha(colour, 255);
    }
  }
  paint::Fill(tile, paint::Disc({17, 13}, 3.0f), {255, 255, 255, 200}, 2.0f);
  return tile;
}

RgbaImage MatteTile(Rgba base) {
  RgbaImage tile(kCell, kCell);
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      const float dx = (x + 0.5f - kMiddle) / kMiddle;
      const float dy = (y + 0.5f - kMiddle) / kMiddle;
      tile.At(x, y) = paint::Scale(base, 1.04f - 0.1f * (dx * dx + dy * dy));
    }
  }
  paint::Fill(tile, paint::Outline(paint::RoundedBox({kMiddle, kMiddle}, 28.5f, 28.5f, 4.0f), 0.6f),
              paint::WithAlpha(paint::Scale(base, 1.3f), 200));
  paint::Fill(tile,
              paint::Subtract(paint::RoundedBox({kMiddle, kMiddle}, 40, 40, 0),
                              paint::RoundedBox({kMiddle, kMiddle}, 30, 30, 5)),
              paint::Scale(base, 0.62f));
  return tile;
}

RgbaImage StoneTile(Rgba base, std::uint32_t seed) {
  RgbaImage tile(kCell, kCell);
  const Rgba stone = paint::Mix(base, Grey(base), 0.25f);
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      const float grain = paint::Fractal(x / 9.0f, y / 9.0f, seed, 4);
      const float speck = paint::Random(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed);
      float light = 0.72f + 0.55f * grain + (speck > 0.93f ? 0.12f : 0.0f) - (speck < 0.05f ? 0.12f : 0.0f);
      // Thin cracks where a second noise field crosses its middle value.
      const float crack = std::abs(paint::Fractal(x / 14.0f, y / 14.0f, seed + 7, 3) - 0.5f);
      if (crack < 0.022f) {
        light *= 0.62f + crack * 10.0f;
      }
      // A worn, uneven rim: darker towards the edge, its width wandering.
      const float rim = std::min({x + 0.5f, y + 0.5f, kCell - x - 0.5f, kCell - y - 0.5f});
      const float rimWidth = 3.0f + 3.0f * paint::Noise(x / 5.0f, y / 5.0f, seed + 3);
      if (rim < rimWidth) {
        light *= 0.6f + 0.4f * rim / rimWidth;
      }
      tile.At(x, y) = paint::Scale(stone, light);
    }
  }
  return tile;
}

RgbaImage MetalTile(Rgba base, std::uint32_t seed) {
  RgbaImage tile(kCell, kCell);
  const Rgba metal = paint::Mix(base, {196, 198, 206, 255}, 0.18f);
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      // Brush marks: noise drawn out along x.
      const float brush = paint::Fractal(x / 30.0f, y / 1.3f, seed, 3);
      float light = 0.78f + 0.32f * brush + 0.12f * (1.0f - y / static_cast<float>(kCell));
      const int frame = std::min({x, y, kCell - 1 - x, kCell - 1 - y});
      if (frame < 4) {
        // A pressed frame: lit along the top and left, shaded bottom and right.
        const bool topOrLeft = (y == frame || x == frame) && x + y <= kCell - 1;
        light *= topOrLeft ? 1.28f : 0.7f;
        if (frame == 0) {
          light *= 0.7f;
        }
      }
      tile.At(x, y) = paint::Scale(metal, light);
    }
  }
  for (const Point rivet : {Point{9, 9}, Point{55, 9}, Point{9, 55}, Point{55, 55}}) {
    paint::Fill(tile, paint::Disc({rivet.x + 0.8f, rivet.y + 0.8f}, 3.2f), {0, 0, 0, 110});
    paint::Fill(tile, paint::Disc(rivet, 3.0f), paint::Scale(metal, 0.85f));
    paint::Fill(tile, paint::Disc({rivet.x - 1.0f, rivet.y - 1.0f}, 1.3f), {255, 255, 255, 170});
  }
  return tile;
}

// A frame of bevel round a flat face: the symbol skin's tiles are calm so
// that the symbol is what the eye finds.
RgbaImage SymbolTile(Rgba base) {
  RgbaImage tile(kCell, kCell);
  const paint::Shape edge = paint::RoundedBox({kMiddle, kMiddle}, 31.0f, 31.0f, 6.0f);
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      const float depth = -edge(x + 0.5f, y + 0.5f);
      float light = 1.0f;
      if (depth < 4.5f) {
        light += 0.45f * BevelFacing(edge, x + 0.5f, y + 0.5f);
      }
      tile.At(x, y) = depth < 0.0f ? paint::Scale(base, 0.4f) : paint::Scale(base, light);
    }
  }
  return tile;
}

RgbaImage Tile(Look look, Rgba base, std::uint32_t seed) {
  switch (look) {
    case Look::Glossy:
      return GlossyTile(base);
    case Look::Matte:
      return MatteTile(base);
    case Look::Stone:
      return StoneTile(base, seed);
    case Look::Metal:
      return MetalTile(base, seed);
    case Look::Symbols:
      return SymbolTile(base);
  }
  return MatteTile(base);
}

paint::Shape Star(Point centre, float outer, float inner) {
  std::array<Point, 10> corners{};
  for (int i = 0; i < 10; ++i) {
    const float radius = i % 2 == 0 ? outer : inner;
    const float angle = -kPi / 2.0f + i * kPi / 5.0f;
    corners[i] = {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
  }
  return paint::Polygon(corners);
}

// One shape per block colour, different in outline so that they can be told
// apart at a glance without their colours.
paint::Shape ColourSymbol(int cell, Point centre, float size) {
  switch (cell) {
    case SkinAtlas::kYellow:
      return paint::Disc(centre, size * 0.85f);
    case SkinAtlas::kGreen: {
      const std::array<Point, 3> corners = {{{centre.x, centre.y - size * 1.05f},
                                             {centre.x + size * 1.05f, centre.y + size * 0.8f},
                                             {centre.x - size * 1.05f, centre.y + size * 0.8f}}};
      return paint::Polygon(corners);
    }
    case SkinAtlas::kRed:
      return paint::RoundedBox(centre, size * 0.78f, size * 0.78f, size * 0.08f);
    case SkinAtlas::kBlue:
    default:
      return Star(centre, size * 1.05f, size * 0.45f);
  }
}

// A white shape with a dark rim, the way the symbol skin marks its colours.
void DrawSymbol(RgbaImage& tile, const paint::Shape& shape, float rim) {
  paint::Fill(tile, paint::Grow(shape, rim), {20, 20, 30, 230});
  paint::Fill(tile, shape, {250, 250, 246, 255});
}

// A double-headed arrow from a to b, for the goodies that clear a line.
paint::Shape DoubleArrow(Point a, Point b) {
  const float length = std::hypot(b.x - a.x, b.y - a.y);
  const Point along{(b.x - a.x) / length, (b.y - a.y) / length};
  const Point across{-along.y, along.x};
  auto head = [&](Point tip, float direction) {
    const Point back{tip.x - along.x * 9.0f * direction, tip.y - along.y * 9.0f * direction};
    const std::array<Point, 3> corners = {{tip,
                                           {back.x + across.x * 7.0f, back.y + across.y * 7.0f},
                                           {back.x - across.x * 7.0f, back.y - across.y * 7.0f}}};
    return paint::Polygon(corners);
  };
  const Point shaftA{a.x + along.x * 6.0f, a.y + along.y * 6.0f};
  const Point shaftB{b.x - along.x * 6.0f, b.y - along.y * 6.0f};
  return paint::Union(paint::Segment(shaftA, shaftB, 2.6f), paint::Union(head(a, -1.0f), head(b, 1.0f)));
}

void DrawLineArrow(RgbaImage& tile, Point a, Point b) {
  const paint::Shape arrow = DoubleArrow(a, b);
  paint::Fill(tile, paint::Grow(arrow, 1.6f), Palette::kInk);
  paint::Fill(tile, arrow, Palette::kGoldLight);
}

// A round bomb with its fuse and spark; `body` tints the bomb by its kind.
void DrawBomb(RgbaImage& tile, Point centre, float radius, Rgba body) {
  const float r = radius;
  paint::Fill(tile, paint::Disc({centre.x + r * 0.12f, centre.y + r * 0.14f}, r), {0, 0, 0, 90}, 2.5f);
  // The fuse leaves the top right through a little metal collar.
  const Point collar{centre.x + r * 0.62f, centre.y - r * 0.62f};
  const Point bend{centre.x + r * 1.0f, centre.y - r * 1.2f};
  const Point end{centre.x + r * 1.35f, centre.y - r * 1.25f};
  paint::Fill(tile,
              paint::Union(paint::Segment(collar, bend, r * 0.09f + 0.6f),
                           paint::Segment(bend, end, r * 0.09f + 0.6f)),
              {120, 92, 60, 255});
  for (int y = 0; y < tile.Height(); ++y) {
    for (int x = 0; x < tile.Width(); ++x) {
      const float hx = (x + 0.5f - (centre.x - r * 0.4f)) / r;
      const float hy = (y + 0.5f - (centre.y - r * 0.4f)) / r;
      const float shade = 1.35f - 0.6f * std::sqrt(hx * hx + hy * hy);
      tile.Blend(x, y, paint::Scale(body, std::max(shade, 0.35f)),
                 paint::Coverage(paint::Disc(centre, r), x + 0.5f, y + 0.5f));
    }
  }
  paint::Fill(tile, paint::Disc({centre.x - r * 0.38f, centre.y - r * 0.4f}, r * 0.18f), {255, 255, 255, 180},
              1.5f);
  const paint::Shape collarShape = paint::RoundedBox(collar, r * 0.22f, r * 0.22f, r * 0.06f);
  paint::Fill(tile, collarShape, {150, 150, 160, 255});
  // The spark: a warm glow and a few rays.
  paint::Fill(tile, paint::Disc(end, r * 0.42f), {255, 200, 60, 110}, 3.0f);
  for (int ray = 0; ray < 4; ++ray) {
    const float angle = ray * kPi / 4.0f;
    const Point offset{std::cos(angle) * r * 0.38f, std::sin(angle) * r * 0.38f};
    paint::Fill(
        tile,
        paint::Segment({end.x - offset.x, end.y - offset.y}, {end.x + offset.x, end.y + offset.y}, 0.8f),
        {255, 240, 150, 255});
  }
  paint::Fill(tile, paint::Disc(end, r * 0.12f + 0.5f), {255, 255, 235, 255});
}

Rgba ColourOf(int cell) {
  switch (cell) {
    case SkinAtlas::kYellow:
    case SkinAtlas::kYellowBomb:
      return Palette::kYellow;
    case SkinAtlas::kGreen:
    case SkinAtlas::kGreenBomb:
      return Palette::kGreen;
    case SkinAtlas::kRed:
    case SkinAtlas::kRedBomb:
      return Palette::kRed;
    case SkinAtlas::kBlue:
    case SkinAtlas::kBlueBomb:
      return Palette::kBlue;
    case SkinAtlas::kMarker:
      return Palette::kMarker;
    default:
      return Palette::kGoodyTile;
  }
}

// The plain colour a colour bomb's cell stands for, as a block cell number.
int PlainCellOf(int bombCell) {
  switch (bombCell) {
    case SkinAtlas::kYellowBomb:
      return SkinAtlas::kYellow;
    case SkinAtlas::kGreenBomb:
      return SkinAtlas::kGreen;
    case SkinAtlas::kRedBomb:
      return SkinAtlas::kRed;
    default:
      return SkinAtlas::kBlue;
  }
}

bool IsGoody(int cell) { return cell >= SkinAtlas::kBomb; }

RgbaImage Cell(Look look, int cell) {
  // Goodies sit on a neutral tile so that they are never taken for a block
  // of their bomb's colour.
  const Rgba base = IsGoody(cell) ? Palette::kGoodyTile : ColourOf(cell);
  RgbaImage tile =
      Tile(look, base,
           0x5EED0000u + static_cast<std::uint32_t>(cell) * 31u + static_cast<std::uint32_t>(look) * 977u);
  const Point centre{kMiddle, kMiddle};
  switch (cell) {
    case SkinAtlas::kYellow:
    case SkinAtlas::kGreen:
    case SkinAtlas::kRed:
    case SkinAtlas::kBlue:
      if (look == Look::Symbols) {
        DrawSymbol(tile, ColourSymbol(cell, centre, 17.0f), 2.2f);
      }
      break;
    case SkinAtlas::kMarker:
      paint::Fill(tile, paint::Outline(paint::Disc(centre, 15.0f), 3.5f), {40, 44, 70, 235});
      paint::Fill(tile, paint::Disc(centre, 5.0f), {40, 44, 70, 235});
      break;
    case SkinAtlas::kBomb:
      // The super bomb: the biggest, ringed in gold.
      paint::Fill(tile, paint::Outline(paint::Disc({30, 35}, 22.0f), 1.8f), Palette::kGoldDeep);
      DrawBomb(tile, {30, 35}, 17.0f, Palette::kBomb);
      break;
    case SkinAtlas::kRedBomb:
    case SkinAtlas::kYellowBomb:
    case SkinAtlas::kBlueBomb:
    case SkinAtlas::kGreenBomb:
      DrawBomb(tile, {30, 36}, 16.0f, ColourOf(cell));
      if (look == Look::Symbols) {
        DrawSymbol(tile, ColourSymbol(PlainCellOf(cell), {30, 36}, 7.0f), 1.5f);
      }
      break;
    case SkinAtlas::kGroupBomb:
      DrawBomb(tile, {19, 41}, 10.0f, Palette::kBomb);
      DrawBomb(tile, {42, 43}, 10.0f, Palette::kBomb);
      DrawBomb(tile, {29, 22}, 10.0f, Palette::kBomb);
      break;
    case SkinAtlas::kHorizontalBomb:
      DrawLineArrow(tile, {4, 33}, {60, 33});
      DrawBomb(tile, {30, 35}, 12.0f, Palette::kBomb);
      break;
    case SkinAtlas::kVerticalBomb:
      DrawLineArrow(tile, {32, 4}, {32, 60});
      DrawBomb(tile, {30, 35}, 12.0f, Palette::kBomb);
      break;
    case SkinAtlas::kCrossBomb:
      DrawLineArrow(tile, {4, 33}, {60, 33});
      DrawLineArrow(tile, {32, 4}, {32, 60});
      DrawBomb(tile, {30, 35}, 12.0f, Palette::kBomb);
      break;
    default:
      break;
  }
  return tile;
}

}  // namespace

RgbaImage Make(Look look) {
  RgbaImage skin(SkinAtlas::kSize, SkinAtlas::kSize, {0, 0, 0, 255});
  constexpr int kCells = SkinAtlas::kCellsPerRow * SkinAtlas::kCellsPerRow;
  for (int cell = 0; cell < kCells; ++cell) {
    const RgbaImage tile = Cell(look, cell);
    const auto [x0, y0] = SkinAtlas::PixelCorner(cell);
    for (int y = 0; y < kCell; ++y) {
      for (int x = 0; x < kCell; ++x) {
        skin.At(x0 + x, y0 + y) = paint::WithAlpha(tile.At(x, y), 255);
      }
    }
  }
  return skin;
}

}  // namespace Skins
