#include "assetgen/MeshBuilder.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace {

// Positions closer than this are the same point; texture coordinates closer
// than a thousandth of a texel of a 1024 picture are the same too.
constexpr double kPositionGrid = 1e-4;
constexpr double kTexCoordGrid = 1e-6;

std::int64_t Snap(float value, double grid) { return std::llround(value / grid); }

}  // namespace

void MeshBuilder::BeginObject(const AsvmFile::Material& material) { file_.objects.push_back({material, {}}); }

MeshBuilder::Corner MeshBuilder::Point(const Vec3& position, const Vec2& texCoord) {
  const auto key = std::make_tuple(surface_, Snap(position[0], kPositionGrid),
                                   Snap(position[1], kPositionGrid), Snap(position[2], kPositionGrid));
  auto [found, added] = welded_.try_emplace(key, static_cast<std::int32_t>(file_.positions.size()));
  if (added) {
    file_.positions.push_back(position);
  }
  return {found->second, TexCoordIndex(texCoord)};
}

std::int32_t MeshBuilder::TexCoordIndex(const Vec2& texCoord) {
  const auto key = std::make_pair(Snap(texCoord[0], kTexCoordGrid), Snap(texCoord[1], kTexCoordGrid));
  auto [found, added] = texCoordIndex_.try_emplace(key, static_cast<std::int32_t>(file_.texCoords.size()));
  if (added) {
    file_.texCoords.push_back(texCoord);
  }
  return found->second;
}

void MeshBuilder::Triangle(Corner a, Corner b, Corner c) {
  if (file_.objects.empty()) {
    throw std::logic_error("a face before the first object");
  }
  // A face whose corners have fallen together adds nothing but a zero normal.
  if (a.vertex == b.vertex || b.vertex == c.vertex || a.vertex == c.vertex) {
    return;
  }
  file_.objects.back().faces.push_back(
      {{{a.vertex + 1, a.texCoord + 1}, {b.vertex + 1, b.texCoord + 1}, {c.vertex + 1, c.texCoord + 1}}});
}

void MeshBuilder::Quad(Corner a, Corner b, Corner c, Corner d) {
  Triangle(a, b, c);
  Triangle(a, c, d);
}

Vec3 MeshBuilder::Normal(std::initializer_list<Corner> corners) const {
  Vec3 normal{0.0f, 0.0f, 0.0f};
  const Corner* list = corners.begin();
  const std::size_t count = corners.size();
  for (std::size_t i = 0; i < count; ++i) {
    const Vec3& p = file_.positions[list[i].vertex];
    const Vec3& q = file_.positions[list[(i + 1) % count].vertex];
    normal[0] += (p[1] - q[1]) * (p[2] + q[2]);
    normal[1] += (p[2] - q[2]) * (p[0] + q[0]);
    normal[2] += (p[0] - q[0]) * (p[1] + q[1]);
  }
  return normal;
}

namespace {

float Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

}  // namespace

void MeshBuilder::Triangle(Corner a, Corner b, Corner c, const Vec3& outward) {
  if (Dot(Normal({a, b, c}), outward) < 0.0f) {
    std::swap(b, c);
  }
  Triangle(a, b, c);
}

void MeshBuilder::Quad(Corner a, Corner b, Corner c, Corner d, const Vec3& outward) {
  if (Dot(Normal({a, b, c, d}), outward) < 0.0f) {
    std::swap(b, d);
  }
  Quad(a, b, c, d);
}

AsvmFile MeshBuilder::Build(const std::string& texture) const {
  AsvmFile file = file_;
  file.texture1 = texture;
  return file;
}
