#include "assetgen/Blocks.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "assetgen/AssetSink.h"
#include "assetgen/Shapes.h"
#include "assetgen/SkinAtlas.h"
#include "asvm/AsvmWriter.h"

namespace Blocks {

namespace {

// Seen on the board, a block's +x is up the screen and its +y points left, so
// s runs against y for the skin to read left to right.
TexMap CellMap(int cell, float halfHeight, float halfWidth) {
  const std::array<float, 4> rect = SkinAtlas::TextureRect(cell);
  return [=](const Vec3& p) {
    const float across = std::fmin(std::fmax((halfWidth - p[1]) / (2.0f * halfWidth), 0.0f), 1.0f);
    const float up = std::fmin(std::fmax((p[0] + halfHeight) / (2.0f * halfHeight), 0.0f), 1.0f);
    return Vec2{rect[0] + across * (rect[2] - rect[0]), rect[1] + up * (rect[3] - rect[1])};
  };
}

// Bends a straight block round the ring: y becomes the distance along the
// ring at its radius and z the depth in from the outside, so that the
// block's faces follow the ring's curve and its neighbours' faces line up.
Vec3 AroundRing(const Vec3& p) {
  const float angle = p[1] / kRingRadius;
  const float radius = kRingRadius - p[2];
  return {p[0], radius * std::sin(angle), kRingRadius - radius * std::cos(angle)};
}

AsvmFile::Material BlockMaterial() {
  AsvmFile::Material material;
  material.specular = {0.5f, 0.5f, 0.5f, 1.0f};
  material.shininess = 40.0f;
  return material;
}

// A loft of rectangles from the front to the back, in strips across the ring
// so that the faces bend with it: a chamfered front, straight sides and a
// back, a few dozen triangles in all. Each band has its own normals so the
// chamfer reads as an edge even without smooth shading.
void AddLowDetailBlock(MeshBuilder& mesh, const TexMap& map) {
  constexpr int kStrips = 2;
  constexpr float kChamfer = 0.55f;
  struct Ring {
    float halfHeight;
    float halfWidth;
    float z;
  };
  const Ring rings[] = {{kHalfHeight - kChamfer, kHalfWidth - kChamfer, -kHalfDepth},
                        {kHalfHeight, kHalfWidth, -kHalfDepth + kChamfer},
                        {kHalfHeight, kHalfWidth, kHalfDepth}};
  // The rectangle's outline walked round: bottom edge, right, top, left; each
  // edge split in strips along y where it runs along the ring.
  auto outline = [&](const Ring& r) {
    std::vector<Vec3> points;
    for (int i = 0; i < kStrips; ++i) {
      points.push_back({-r.halfHeight, -r.halfWidth + 2.0f * r.halfWidth * i / kStrips, r.z});
    }
    points.push_back({-r.halfHeight, r.halfWidth, r.z});
    for (int i = 0; i < kStrips; ++i) {
      points.push_back({r.halfHeight, r.halfWidth - 2.0f * r.halfWidth * i / kStrips, r.z});
    }
    points.push_back({r.halfHeight, -r.halfWidth, r.z});
    return points;
  };
  auto at = [&](const Vec3& p) { return mesh.Point(AroundRing(p), map(p)); };
  // Outward from the block's middle is outward from the face, for a box this flat.
  auto outwardOf = [](const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d) {
    return Vec3{(a[0] + b[0] + c[0] + d[0]) / kHalfHeight, (a[1] + b[1] + c[1] + d[1]) / kHalfWidth,
                (a[2] + b[2] + c[2] + d[2]) / kHalfDepth};
  };
  for (int band = 0; band < 2; ++band) {
    const std::vector<Vec3> from = outline(rings[band]);
    const std::vector<Vec3> to = outline(rings[band + 1]);
    for (std::size_t i = 0; i < from.size(); ++i) {
      const std::size_t next = (i + 1) % from.size();
      mesh.BeginSurface();
      mesh.Quad(at(from[i]), at(from[next]), at(to[next]), at(to[i]),
                outwardOf(from[i], from[next], to[next], to[i]));
    }
  }
  // Front and back, in strips across the ring.
  for (const Ring& cap : {rings[0], rings[2]}) {
    mesh.BeginSurface();
    const float h = cap.halfHeight;
    for (int i = 0; i < kStrips; ++i) {
      const float y0 = -cap.halfWidth + 2.0f * cap.halfWidth * i / kStrips;
      const float y1 = -cap.halfWidth + 2.0f * cap.halfWidth * (i + 1) / kStrips;
      mesh.Quad(at({-h, y0, cap.z}), at({-h, y1, cap.z}), at({h, y1, cap.z}), at({h, y0, cap.z}),
                {0, 0, cap.z < 0 ? -1.0f : 1.0f});
    }
  }
}

// The outline of a double-headed arrow's head: a triangle pointing along +y
// from `base`, `halfSpan` wide.
std::vector<Vec2> Head(float base, float tip, float halfSpan) {
  if (tip > base) {
    return {{-halfSpan, base}, {0.0f, tip}, {halfSpan, base}};
  }
  return {{halfSpan, base}, {0.0f, tip}, {-halfSpan, base}};
}

// Outline points are (x, y) of the model, x up the board.
Prism Slab(std::vector<Vec2> outline, float front, float back, float bevel) {
  // Prisms want their outline counter-clockwise in x-y.
  float area = 0.0f;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const Vec2& a = outline[i];
    const Vec2& b = outline[(i + 1) % outline.size()];
    area += a[0] * b[1] - b[0] * a[1];
  }
  if (area < 0.0f) {
    std::reverse(outline.begin(), outline.end());
  }
  return Prism{std::move(outline), front, back, bevel};
}

std::vector<Vec2> Box2(float x0, float x1, float y0, float y1) {
  return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

void AddBomb(MeshBuilder& mesh, const TexMap& map, float radius, bool studs) {
  const Vec3 centre{-0.35f, 0.0f, 0.0f};
  AddEllipsoid(mesh, centre, {radius, radius, radius * 0.82f}, 20, 12, map);
  // The fuse leans out of the top, toward the viewer.
  AddTube(mesh, {centre[0] + radius * 0.8f, -0.2f, -0.2f}, {centre[0] + radius + 0.75f, -0.9f, -0.7f}, 0.38f,
          8, map);
  if (studs) {
    for (const Vec2& direction : {Vec2{-1, 0}, Vec2{0, 1}, Vec2{0, -1}}) {
      const Vec3 from{centre[0] + direction[0] * (radius - 0.4f), direction[1] * (radius - 0.4f), 0.0f};
      const Vec3 to{centre[0] + direction[0] * (radius + 0.45f), direction[1] * (radius + 0.45f), 0.0f};
      AddTube(mesh, from, to, 0.45f, 8, map);
    }
  }
}

// Arrows out both ends along one axis, round a bomb: the ring bomb clears its
// ring (across the board, y), the column bomb its column (up the board, x).
void AddLineBomb(MeshBuilder& mesh, const TexMap& map, bool acrossRing) {
  AddEllipsoid(mesh, {0, 0, 0}, {1.85f, 1.85f, 1.6f}, 18, 10, map);
  const float reach = acrossRing ? kHalfWidth : kHalfHeight;
  auto place = [&](std::vector<Vec2> outline) {
    if (!acrossRing) {
      for (Vec2& p : outline) {
        p = {p[1], p[0]};
      }
    }
    return outline;
  };
  for (const float side : {-1.0f, 1.0f}) {
    AddPrism(mesh, Slab(place(Head(side * 1.4f, side * reach, 1.7f)), -1.1f, 0.9f, 0.3f), map);
  }
  AddPrism(mesh, Slab(place(Box2(-0.55f, 0.55f, -reach + 0.6f, reach - 0.6f)), -0.8f, 0.6f, 0.2f), map);
}

}  // namespace

const std::vector<Piece>& BlockPieces() {
  static const std::vector<Piece> pieces = {{"yellow.Asvm", SkinAtlas::kYellow},
                                            {"green.Asvm", SkinAtlas::kGreen},
                                            {"red.Asvm", SkinAtlas::kRed},
                                            {"blue.Asvm", SkinAtlas::kBlue},
                                            {"Marker.Asvm", SkinAtlas::kMarker}};
  return pieces;
}

const std::vector<Piece>& GoodyPieces() {
  static const std::vector<Piece> pieces = {
      {"bombabonus.asvm", SkinAtlas::kBomb},        {"redbonus.asvm", SkinAtlas::kRedBomb},
      {"yellowbonus.asvm", SkinAtlas::kYellowBomb}, {"bluebonus.asvm", SkinAtlas::kBlueBomb},
      {"greenbonus.asvm", SkinAtlas::kGreenBomb},   {"groupbonus.asvm", SkinAtlas::kGroupBomb},
      {"hlbonus.asvm", SkinAtlas::kHorizontalBomb}, {"vlbonus.asvm", SkinAtlas::kVerticalBomb},
      {"crossbonus.asvm", SkinAtlas::kCrossBomb}};
  return pieces;
}

AsvmFile BlockModel(int cell, bool highDetail) {
  MeshBuilder mesh;
  mesh.BeginObject(BlockMaterial());
  const TexMap map = CellMap(cell, kHalfHeight, kHalfWidth);
  if (highDetail) {
    // A board draws 200 of these, and on a software renderer every small
    // triangle costs. Drawn about 60 pixels wide, two strips follow the ring's
    // curve to well under a pixel, and the rounded edges, a few pixels deep,
    // take one segment per eighth of a turn: two per edge show only as a
    // slightly softer shine along the sides, at twice the size.
    const RoundedBox box{{kHalfHeight, kHalfWidth, kHalfDepth}, 0.7f, {1, 2, 1}, {1, 1, 1}};
    AddRoundedBox(mesh, box, AroundRing, map);
  } else {
    AddLowDetailBlock(mesh, map);
  }
  return mesh.Build();
}

AsvmFile GoodyModel(const std::string& name, int cell) {
  MeshBuilder mesh;
  mesh.BeginObject(BlockMaterial());
  const TexMap map = CellMap(cell, kHalfHeight, kHalfWidth);
  switch (cell) {
    case SkinAtlas::kBomb:
      AddBomb(mesh, map, 2.55f, true);
      break;
    case SkinAtlas::kRedBomb:
    case SkinAtlas::kYellowBomb:
    case SkinAtlas::kBlueBomb:
    case SkinAtlas::kGreenBomb:
      AddBomb(mesh, map, 2.7f, false);
      break;
    case SkinAtlas::kGroupBomb:
      for (const Vec2& at :
           {Vec2{-1.45f, -1.6f}, Vec2{-1.45f, 1.6f}, Vec2{1.35f, 1.6f}, Vec2{1.35f, -1.6f}}) {
        AddEllipsoid(mesh, {at[0], at[1], 0.3f}, {1.45f, 1.45f, 1.3f}, 14, 8, map);
      }
      AddEllipsoid(mesh, {0.0f, 0.0f, -0.6f}, {1.5f, 1.5f, 1.35f}, 14, 8, map);
      break;
    case SkinAtlas::kHorizontalBomb:
      AddLineBomb(mesh, map, true);
      break;
    case SkinAtlas::kVerticalBomb:
      AddLineBomb(mesh, map, false);
      break;
    case SkinAtlas::kCrossBomb:
      AddPrism(mesh, Slab(Box2(-1.15f, 1.15f, -kHalfWidth, kHalfWidth), -1.4f, 1.4f, 0.45f), map);
      AddPrism(mesh, Slab(Box2(-kHalfHeight, kHalfHeight, -1.15f, 1.15f), -1.9f, 1.1f, 0.45f), map);
      break;
    default:
      throw std::logic_error("no goody shape for " + name);
  }
  return mesh.Build();
}

void Write(AssetSink& sink) {
  for (const Piece& piece : BlockPieces()) {
    sink.AddArchiveMember("Data/Models/Hi/" + piece.name, AsvmWriter::Write(BlockModel(piece.cell, true)));
    sink.AddArchiveMember("Data/Models/Low/" + piece.name, AsvmWriter::Write(BlockModel(piece.cell, false)));
  }
  for (const Piece& piece : GoodyPieces()) {
    const std::vector<std::uint8_t> bytes = AsvmWriter::Write(GoodyModel(piece.name, piece.cell));
    for (const char* folder : {"Data/Models/", "Data/Models/Hi/", "Data/Models/Low/"}) {
      sink.AddArchiveMember(folder + piece.name, bytes);
    }
  }
}

}  // namespace Blocks
