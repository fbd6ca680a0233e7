#include "assetgen/Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

Vec3 Add(const Vec3& a, const Vec3& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
Vec3 Sub(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec3 Scale(const Vec3& a, float s) { return {a[0] * s, a[1] * s, a[2] * s}; }
float Length(const Vec3& a) { return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]); }
Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vec3 Normalised(const Vec3& a) {
  const float length = Length(a);
  return length > 0.0f ? Scale(a, 1.0f / length) : a;
}

// Samples along one axis of a rounded box: the rounded ends are spaced so
// that the directions they give after rounding are evenly spread.
std::vector<float> AxisSamples(float half, float radius, int flat, int round) {
  const float inner = half - radius;
  std::vector<float> samples;
  if (radius > 0.0f) {
    for (int k = round; k >= 1; --k) {
      samples.push_back(-inner - radius * std::tan(k * std::numbers::pi_v<float> / 4.0f / round));
    }
  }
  for (int i = 0; i <= flat; ++i) {
    samples.push_back(-inner + 2.0f * inner * static_cast<float>(i) / static_cast<float>(flat));
  }
  if (radius > 0.0f) {
    for (int k = 1; k <= round; ++k) {
      samples.push_back(inner + radius * std::tan(k * std::numbers::pi_v<float> / 4.0f / round));
    }
  }
  return samples;
}

// A convex outline drawn in by `distance` on every side.
std::vector<Vec2> Inset(const std::vector<Vec2>& outline, float distance) {
  const std::size_t n = outline.size();
  std::vector<Vec2> inset(n);
  for (std::size_t i = 0; i < n; ++i) {
    const Vec2& previous = outline[(i + n - 1) % n];
    const Vec2& here = outline[i];
    const Vec2& next = outline[(i + 1) % n];
    auto inwardNormal = [](const Vec2& from, const Vec2& to) {
      const float dx = to[0] - from[0];
      const float dy = to[1] - from[1];
      const float length = std::hypot(dx, dy);
      return Vec2{-dy / length, dx / length};
    };
    const Vec2 a = inwardNormal(previous, here);
    const Vec2 b = inwardNormal(here, next);
    const float miter = distance / (1.0f + a[0] * b[0] + a[1] * b[1]);
    inset[i] = {here[0] + (a[0] + b[0]) * miter, here[1] + (a[1] + b[1]) * miter};
  }
  return inset;
}

Vec3 OutwardOfEdge(const Vec2& from, const Vec2& to, float z) {
  return Normalised({to[1] - from[1], from[0] - to[0], z});
}

}  // namespace

TexMap FrontMap(float x0, float x1, float y0, float y1, const std::array<float, 4>& rect) {
  return [=](const Vec3& p) {
    const float u = std::clamp((p[0] - x0) / (x1 - x0), 0.0f, 1.0f);
    const float v = std::clamp((p[1] - y0) / (y1 - y0), 0.0f, 1.0f);
    return Vec2{rect[0] + u * (rect[2] - rect[0]), rect[1] + v * (rect[3] - rect[1])};
  };
}

TexMap SpotMap(const Vec2& texCoord) {
  return [=](const Vec3&) { return texCoord; };
}

void AddRoundedBox(MeshBuilder& mesh, const RoundedBox& box, const Warp& warp, const TexMap& map) {
  std::array<std::vector<float>, 3> samples;
  Vec3 inner;
  for (int axis = 0; axis < 3; ++axis) {
    samples[axis] = AxisSamples(box.half[axis], box.radius, box.flat[axis], box.round[axis]);
    inner[axis] = box.half[axis] - box.radius;
  }
  auto rounded = [&](const Vec3& p) {
    if (box.radius <= 0.0f) {
      return p;
    }
    Vec3 core;
    for (int axis = 0; axis < 3; ++axis) {
      core[axis] = std::clamp(p[axis], -inner[axis], inner[axis]);
    }
    return Add(core, Scale(Normalised(Sub(p, core)), box.radius));
  };

  mesh.BeginSurface();
  for (int axis = 0; axis < 3; ++axis) {
    for (const float sign : {-1.0f, 1.0f}) {
      if (box.radius <= 0.0f) {
        mesh.BeginSurface();
      }
      const int u = (axis + 1) % 3;
      const int v = (axis + 2) % 3;
      const std::vector<float>& us = samples[u];
      const std::vector<float>& vs = samples[v];
      auto corner = [&](std::size_t i, std::size_t j) {
        Vec3 p;
        p[axis] = sign * box.half[axis];
        p[u] = us[i];
        p[v] = vs[j];
        const Vec3 q = rounded(p);
        return mesh.Point(warp(q), map(q));
      };
      for (std::size_t i = 0; i + 1 < us.size(); ++i) {
        for (std::size_t j = 0; j + 1 < vs.size(); ++j) {
          Vec3 middle;
          middle[axis] = sign * box.half[axis];
          middle[u] = (us[i] + us[i + 1]) / 2.0f;
          middle[v] = (vs[j] + vs[j + 1]) / 2.0f;
          const Vec3 q = rounded(middle);
          Vec3 step{0.0f, 0.0f, 0.0f};
          step[axis] = sign * 0.01f;
          const Vec3 outward = Sub(warp(Add(q, step)), warp(q));
          mesh.Quad(corner(i, j), corner(i + 1, j), corner(i + 1, j + 1), corner(i, j + 1), outward);
        }
      }
    }
  }
}

void AddPrism(MeshBuilder& mesh, const Prism& prism, const TexMap& map) {
  const std::vector<Vec2>& outline = prism.outline;
  const std::size_t n = outline.size();
  const float shoulder = prism.front + prism.bevel;
  const std::vector<Vec2> top = prism.bevel > 0.0f ? Inset(outline, prism.bevel) : outline;
  auto at = [&](const Vec2& p, float z) {
    const Vec3 point{p[0], p[1], z};
    return mesh.Point(point, map(point));
  };

  mesh.BeginSurface();
  for (std::size_t i = 1; i + 1 < n; ++i) {
    mesh.Triangle(at(top[0], prism.front), at(top[i], prism.front), at(top[i + 1], prism.front), {0, 0, -1});
  }
  auto band = [&](const std::vector<Vec2>& from, float fromZ, float toZ, float lean) {
    mesh.BeginSurface();
    for (std::size_t i = 0; i < n; ++i) {
      const std::size_t next = (i + 1) % n;
      if (!prism.smooth) {
        mesh.BeginSurface();
      }
      mesh.Quad(at(from[i], fromZ), at(from[next], fromZ), at(outline[next], toZ), at(outline[i], toZ),
                OutwardOfEdge(outline[i], outline[next], lean));
    }
  };
  if (prism.bevel > 0.0f) {
    band(top, prism.front, shoulder, -1.0f);
  }
  if (prism.back > shoulder) {
    band(outline, shoulder, prism.back, 0.0f);
  }
  if (prism.closed) {
    mesh.BeginSurface();
    for (std::size_t i = 1; i + 1 < n; ++i) {
      mesh.Triangle(at(outline[0], prism.back), at(outline[i], prism.back), at(outline[i + 1], prism.back),
                    {0, 0, 1});
    }
  }
}

void AddEllipsoid(MeshBuilder& mesh, const Vec3& centre, const Vec3& radii, int slices, int stacks,
                  const TexMap& map) {
  auto direction = [&](float stack, float slice) {
    const float theta = std::numbers::pi_v<float> * stack / static_cast<float>(stacks);
    const float phi = 2.0f * std::numbers::pi_v<float> * slice / static_cast<float>(slices);
    return Vec3{std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), -std::cos(theta)};
  };
  auto corner = [&](int stack, int slice) {
    const Vec3 d = direction(static_cast<float>(stack), static_cast<float>(slice));
    const Vec3 p = Add(centre, {d[0] * radii[0], d[1] * radii[1], d[2] * radii[2]});
    return mesh.Point(p, map(p));
  };
  mesh.BeginSurface();
  for (int stack = 0; stack < stacks; ++stack) {
    for (int slice = 0; slice < slices; ++slice) {
      const Vec3 outward = direction(stack + 0.5f, slice + 0.5f);
      mesh.Quad(corner(stack, slice), corner(stack + 1, slice), corner(stack + 1, slice + 1),
                corner(stack, slice + 1), outward);
    }
  }
}

void AddTube(MeshBuilder& mesh, const Vec3& from, const Vec3& to, float radius, int slices,
             const TexMap& map) {
  const Vec3 axis = Normalised(Sub(to, from));
  const Vec3 helper = std::fabs(axis[0]) < 0.9f ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
  const Vec3 e1 = Normalised(Cross(axis, helper));
  const Vec3 e2 = Cross(axis, e1);
  auto radial = [&](float slice) {
    const float phi = 2.0f * std::numbers::pi_v<float> * slice / static_cast<float>(slices);
    return Add(Scale(e1, std::cos(phi)), Scale(e2, std::sin(phi)));
  };
  auto at = [&](const Vec3& p) { return mesh.Point(p, map(p)); };
  auto rim = [&](const Vec3& end, int slice) { return at(Add(end, Scale(radial(slice), radius))); };

  mesh.BeginSurface();
  for (int slice = 0; slice < slices; ++slice) {
    mesh.Quad(rim(from, slice), rim(to, slice), rim(to, slice + 1), rim(from, slice + 1),
              radial(slice + 0.5f));
  }
  for (const auto& [end, outward] : {std::pair{from, Scale(axis, -1.0f)}, std::pair{to, axis}}) {
    mesh.BeginSurface();
    for (int slice = 0; slice < slices; ++slice) {
      mesh.Triangle(at(end), rim(end, slice), rim(end, slice + 1), outward);
    }
  }
}

std::vector<Vec2> RegularPolygon(int sides, float radiusX, float radiusY, float startAngle) {
  std::vector<Vec2> points;
  for (int i = 0; i < sides; ++i) {
    const float angle = startAngle + 2.0f * std::numbers::pi_v<float> * i / static_cast<float>(sides);
    points.push_back({radiusX * std::cos(angle), radiusY * std::sin(angle)});
  }
  return points;
}

std::vector<Vec2> CutRectangle(float halfWidth, float halfHeight, float cut) {
  const float w = halfWidth;
  const float h = halfHeight;
  return {{-w + cut, -h}, {w - cut, -h}, {w, -h + cut}, {w, h - cut},
          {w - cut, h},   {-w + cut, h}, {-w, h - cut}, {-w, -h + cut}};
}
