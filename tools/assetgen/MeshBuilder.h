// Collects triangles for one model file: positions and texture coordinates
// are pooled, and faces are grouped into the file's objects. Faces are given
// counter-clockwise as seen from outside, so the normals the game computes
// point outward and its mirrored camera shows them lit.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <tuple>

#include "gfx/AsvmFile.h"

using Vec2 = std::array<float, 2>;
using Vec3 = std::array<float, 3>;

class MeshBuilder {
 public:
  struct Corner {
    std::int32_t vertex;    // from 0
    std::int32_t texCoord;  // from 0
  };

  // Faces added from now on belong to a new object.
  void BeginObject(const AsvmFile::Material& material = {});
  // Points of one surface share a position index when they fall together, so
  // the game's smooth normals run across the seams of a rounded shape. A new
  // surface never shares with an earlier one, which keeps its edges hard.
  void BeginSurface() { ++surface_; }

  Corner Point(const Vec3& position, const Vec2& texCoord);
  void Triangle(Corner a, Corner b, Corner c);
  // a, b, c, d in order around the quad.
  void Quad(Corner a, Corner b, Corner c, Corner d);
  // The same, turned round when needed so that the face looks along `outward`:
  // shapes made from grids need not track which way each grid runs.
  void Triangle(Corner a, Corner b, Corner c, const Vec3& outward);
  void Quad(Corner a, Corner b, Corner c, Corner d, const Vec3& outward);

  std::size_t ObjectCount() const { return file_.objects.size(); }
  std::size_t FaceCount() const { return file_.FaceCount(); }

  // The model with its first texture named; an empty name leaves whatever
  // texture is bound when the model draws, as blocks need.
  AsvmFile Build(const std::string& texture = "") const;

 private:
  std::int32_t TexCoordIndex(const Vec2& texCoord);
  // Newell's normal of a polygon of corners, which survives one corner
  // falling onto another, as at the pole of a sphere.
  Vec3 Normal(std::initializer_list<Corner> corners) const;

  AsvmFile file_;
  int surface_ = 0;
  std::map<std::tuple<int, std::int64_t, std::int64_t, std::int64_t>, std::int32_t> welded_;
  std::map<std::pair<std::int64_t, std::int64_t>, std::int32_t> texCoordIndex_;
};
