#include "assetgen/Coverage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "assetgen/RgbaImage.h"
#include "assetgen/TextRaster.h"

Coverage::Coverage(int width, int height)
    : width_(width), height_(height), values_(static_cast<std::size_t>(width) * height, 0.0f) {}

void Coverage::AddShape(const std::function<float(float x, float y)>& distance) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const float d = distance(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
      float& value = values_[static_cast<std::size_t>(y) * width_ + x];
      value = std::max(value, std::clamp(0.5f - d, 0.0f, 1.0f));
    }
  }
}

void Coverage::AddText(const TextRaster& raster, int x, int baseline, const std::string& text) {
  RgbaImage ink(width_, height_);
  raster.Draw(ink, x, baseline, text, {255, 255, 255, 255});
  for (int y = 0; y < height_; ++y) {
    for (int column = 0; column < width_; ++column) {
      float& value = values_[static_cast<std::size_t>(y) * width_ + column];
      value = std::max(value, ink.At(column, y)[3] / 255.0f);
    }
  }
}

Coverage Coverage::Blurred(int radius, int passes) const {
  Coverage out = *this;
  std::vector<float> line;
  auto blurLine = [&](auto get, auto set, int length) {
    line.assign(static_cast<std::size_t>(length), 0.0f);
    for (int i = 0; i < length; ++i) {
      float sum = 0.0f;
      for (int k = -radius; k <= radius; ++k) {
        const int j = i + k;
        sum += j >= 0 && j < length ? get(j) : 0.0f;
      }
      line[static_cast<std::size_t>(i)] = sum / static_cast<float>(2 * radius + 1);
    }
    for (int i = 0; i < length; ++i) {
      set(i, line[static_cast<std::size_t>(i)]);
    }
  };
  auto at = [&](int x, int y) -> float& { return out.values_[static_cast<std::size_t>(y) * width_ + x]; };
  for (int pass = 0; pass < passes; ++pass) {
    for (int y = 0; y < height_; ++y) {
      blurLine([&](int x) { return at(x, y); }, [&](int x, float v) { at(x, y) = v; }, width_);
    }
    for (int x = 0; x < width_; ++x) {
      blurLine([&](int y) { return at(x, y); }, [&](int y, float v) { at(x, y) = v; }, height_);
    }
  }
  return out;
}

Coverage Coverage::Scaled(float factor) const {
  Coverage out = *this;
  for (float& value : out.values_) {
    value = std::min(value * factor, 1.0f);
  }
  return out;
}

namespace Distance {

float Segment(float x, float y, float ax, float ay, float bx, float by, float halfThickness) {
  const float dx = bx - ax;
  const float dy = by - ay;
  const float lengthSquared = dx * dx + dy * dy;
  const float t =
      lengthSquared > 0.0f ? std::clamp(((x - ax) * dx + (y - ay) * dy) / lengthSquared, 0.0f, 1.0f) : 0.0f;
  return std::hypot(x - (ax + t * dx), y - (ay + t * dy)) - halfThickness;
}

float RoundedBox(float x, float y, float cx, float cy, float halfWidth, float halfHeight, float radius) {
  const float qx = std::fabs(x - cx) - (halfWidth - radius);
  const float qy = std::fabs(y - cy) - (halfHeight - radius);
  const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
  return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float Polygon(float x, float y, const std::vector<std::array<float, 2>>& points) {
  // For a convex polygon the largest distance outside any edge's line is a
  // good enough distance near the outline, which is all smoothing needs.
  float area = 0.0f;
  const std::size_t n = points.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto& a = points[i];
    const auto& b = points[(i + 1) % n];
    area += a[0] * b[1] - b[0] * a[1];
  }
  const float sign = area > 0.0f ? 1.0f : -1.0f;
  float distance = -1e9f;
  for (std::size_t i = 0; i < n; ++i) {
    const auto& a = points[i];
    const auto& b = points[(i + 1) % n];
    const float ex = b[0] - a[0];
    const float ey = b[1] - a[1];
    const float length = std::hypot(ex, ey);
    // Outward normal of a counter-clockwise edge is (ey, -ex).
    distance = std::max(distance, sign * ((x - a[0]) * ey - (y - a[1]) * ex) / length);
  }
  return distance;
}

float Arc(float x, float y, float cx, float cy, float radius, float halfThickness, float from, float to) {
  // Angles are measured with y up, so the picture's y (down) is turned round.
  const float angle = std::atan2(cy - y, x - cx);
  const float span = to - from;
  float relative = std::fmod(angle - from, 2.0f * std::numbers::pi_v<float>);
  if (relative < 0.0f) {
    relative += 2.0f * std::numbers::pi_v<float>;
  }
  if (relative <= span) {
    return std::fabs(std::hypot(x - cx, y - cy) - radius) - halfThickness;
  }
  // Past either end: the distance to the nearer end's round cap.
  auto cap = [&](float a) {
    return Segment(x, y, cx + radius * std::cos(a), cy - radius * std::sin(a), cx + radius * std::cos(a),
                   cy - radius * std::sin(a), halfThickness);
  };
  return std::min(cap(from), cap(to));
}

}  // namespace Distance
