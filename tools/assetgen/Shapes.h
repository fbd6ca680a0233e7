// The solids every model is built from: rounded boxes (bent round the ring for
// blocks), bevelled prisms, ellipsoids and capped tubes. Each takes a texture
// map, a function from a point of the solid to its texture coordinate.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "assetgen/MeshBuilder.h"

using TexMap = std::function<Vec2(const Vec3&)>;
using Warp = std::function<Vec3(const Vec3&)>;

// Projects along z: the x range [x0, x1] goes to s in [rect 0, rect 2] and the
// y range [y0, y1] to t in [rect 1, rect 3]. Flat faces seen from the front
// then show the rectangle undistorted; sides take its edge texels.
TexMap FrontMap(float x0, float x1, float y0, float y1, const std::array<float, 4>& rect);
// Every point on one texel: a plain colour read from one spot of a picture.
TexMap SpotMap(const Vec2& texCoord);

struct RoundedBox {
  Vec3 half;                // half sizes along x, y, z
  float radius;             // of the rounded edges and corners, at most the smallest half size
  std::array<int, 3> flat;  // segments across the flat part of each axis
  // Segments across each eighth of a turn of rounding, by the axis it turns
  // toward: round[0] spaces the rounding that leads from the other faces onto
  // the +x and -x faces.
  std::array<int, 3> round;
};
// A closed box with rounded edges around the origin, every point passed
// through `warp` before it is stored (texture coordinates come from the point
// before warping).
void AddRoundedBox(MeshBuilder& mesh, const RoundedBox& box, const Warp& warp, const TexMap& map);

struct Prism {
  std::vector<Vec2> outline;  // convex, counter-clockwise in x-y
  float front;                // z of the front face, which looks along -z
  float back;                 // z where the sides end
  float bevel;                // how far the front face is drawn in, and down
  bool closed = true;         // false leaves the back open, for faces seen only from the front
  bool smooth = false;        // round outlines share normals round their sides
};
void AddPrism(MeshBuilder& mesh, const Prism& prism, const TexMap& map);

// An ellipsoid with its poles on the z axis, so the front pole faces the viewer.
void AddEllipsoid(MeshBuilder& mesh, const Vec3& centre, const Vec3& radii, int slices, int stacks,
                  const TexMap& map);
// A cylinder from one point to another with flat caps.
void AddTube(MeshBuilder& mesh, const Vec3& from, const Vec3& to, float radius, int slices,
             const TexMap& map);

// Points of a regular polygon, counter-clockwise, the first at `startAngle`.
std::vector<Vec2> RegularPolygon(int sides, float radiusX, float radiusY, float startAngle = 0.0f);
// The rectangle's outline with its corners cut off by `cut`.
std::vector<Vec2> CutRectangle(float halfWidth, float halfHeight, float cut);
