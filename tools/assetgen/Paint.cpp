#include "assetgen/Paint.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace paint {

namespace {

float Dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }

std::uint32_t Hash(std::uint32_t a, std::uint32_t b, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u ^ a * 0x85EBCA6Bu ^ b * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

float Smooth(float t) { return t * t * (3.0f - 2.0f * t); }

std::uint8_t ToByte(float value) { return static_cast<std::uint8_t>(std::clamp(value, 0.0f, 255.0f) + 0.5f); }

}  // namespace

Shape Disc(Point centre, float radius) {
  return [=](float x, float y) { return std::hypot(x - centre.x, y - centre.y) - radius; };
}

Shape Ellipse(Point centre, float radiusX, float radiusY) {
  return [=](float x, float y) {
    const float px = x - centre.x;
    const float py = y - centre.y;
    // The implicit function divided by the length of its gradient.
    const float k0 = std::hypot(px / radiusX, py / radiusY);
    const float k1 = std::hypot(px / (radiusX * radiusX), py / (radiusY * radiusY));
    return k1 > 0.0f ? k0 * (k0 - 1.0f) / k1 : -std::min(radiusX, radiusY);
  };
}

Shape RoundedBox(Point centre, float halfWidth, float halfHeight, float cornerRadius) {
  return [=](float x, float y) {
    const float qx = std::abs(x - centre.x) - halfWidth + cornerRadius;
    const float qy = std::abs(y - centre.y) - halfHeight + cornerRadius;
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - cornerRadius;
  };
}

Shape Segment(Point a, Point b, float halfWidth) {
  return [=](float x, float y) {
    const Point ab{b.x - a.x, b.y - a.y};
    const Point ap{x - a.x, y - a.y};
    const float length2 = Dot(ab, ab);
    const float t = length2 > 0.0f ? std::clamp(Dot(ap, ab) / length2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(ap.x - ab.x * t, ap.y - ab.y * t) - halfWidth;
  };
}

Shape Polygon(std::span<const Point> corners) {
  std::vector<Point> points(corners.begin(), corners.end());
  return [points = std::move(points)](float x, float y) {
    const Point p{x, y};
    float nearest2 = Dot({p.x - points[0].x, p.y - points[0].y}, {p.x - points[0].x, p.y - points[0].y});
    float sign = 1.0f;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i, ++i) {
      const Point e{points[j].x - points[i].x, points[j].y - points[i].y};
      const Point w{p.x - points[i].x, p.y - points[i].y};
      const float t = std::clamp(Dot(w, e) / Dot(e, e), 0.0f, 1.0f);
      const Point b{w.x - e.x * t, w.y - e.y * t};
      nearest2 = std::min(nearest2, Dot(b, b));
      // Crossings of a ray towards +x, counted whichever way the corners run.
      const bool above = p.y >= points[i].y;
      const bool below = p.y < points[j].y;
      const bool left = e.x * w.y > e.y * w.x;
      if ((above && below && left) || (!above && !below && !left)) {
        sign = -sign;
      }
    }
    return sign * std::sqrt(nearest2);
  };
}

Shape Union(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Shape Subtract(Shape from, Shape cut) {
  return [from = std::move(from), cut = std::move(cut)](float x, float y) {
    return std::max(from(x, y), -cut(x, y));
  };
}

Shape Outline(Shape shape, float halfWidth) {
  return
      [shape = std::move(shape), halfWidth](float x, float y) { return std::abs(shape(x, y)) - halfWidth; };
}

Shape Grow(Shape shape, float amount) {
  return [shape = std::move(shape), amount](float x, float y) { return shape(x, y) - amount; };
}

Shape Stretch(Shape shape, Point origin, float scaleX, float scaleY) {
  // Distances are measured in the stretched space; the smaller scale keeps
  // edges from getting sharper than a pixel.
  const float unit = std::min(scaleX, scaleY);
  return [shape = std::move(shape), origin, scaleX, scaleY, unit](float x, float y) {
    return shape(origin.x + (x - origin.x) * scaleX, origin.y + (y - origin.y) * scaleY) / unit;
  };
}

float Coverage(const Shape& shape, float x, float y, float softness) {
  return std::clamp(0.5f - shape(x, y) / softness, 0.0f, 1.0f);
}

void Fill(RgbaImage& image, const Shape& shape, Rgba colour, float softness) {
  Fill(image, shape, colour, softness, {0, 0, image.Width(), image.Height()});
}

void Fill(RgbaImage& image, const Shape& shape, Rgba colour, float softness, Area area) {
  const int x0 = std::max(area.x0, 0);
  const int y0 = std::max(area.y0, 0);
  const int x1 = std::min(area.x1, image.Width());
  const int y1 = std::min(area.y1, image.Height());
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      image.Blend(x, y, colour, Coverage(shape, x + 0.5f, y + 0.5f, softness));
    }
  }
}

Rgba Mix(Rgba a, Rgba b, float t) {
  Rgba out;
  for (int i = 0; i < 4; ++i) {
    out[i] = ToByte(a[i] + (b[i] - a[i]) * t);
  }
  return out;
}

Rgba Scale(Rgba colour, float factor) {
  return {ToByte(colour[0] * factor), ToByte(colour[1] * factor), ToByte(colour[2] * factor), colour[3]};
}

Rgba WithAlpha(Rgba colour, std::uint8_t alpha) { return {colour[0], colour[1], colour[2], alpha}; }

float Random(std::uint32_t a, std::uint32_t b, std::uint32_t seed) {
  return static_cast<float>(Hash(a, b, seed) >> 8) / static_cast<float>(1u << 24);
}

float Noise(float x, float y, std::uint32_t seed) {
  const float fx = std::floor(x);
  const float fy = std::floor(y);
  const auto ix = static_cast<std::uint32_t>(static_cast<std::int32_t>(fx));
  const auto iy = static_cast<std::uint32_t>(static_cast<std::int32_t>(fy));
  const float tx = Smooth(x - fx);
  const float ty = Smooth(y - fy);
  const float top = Random(ix, iy, seed) + (Random(ix + 1, iy, seed) - Random(ix, iy, seed)) * tx;
  const float bottom =
      Random(ix, iy + 1, seed) + (Random(ix + 1, iy + 1, seed) - Random(ix, iy + 1, seed)) * tx;
  return top + (bottom - top) * ty;
}

float Fractal(float x, float y, std::uint32_t seed, int octaves) {
  float sum = 0.0f;
  float weight = 0.5f;
  float total = 0.0f;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += Noise(x, y, seed + static_cast<std::uint32_t>(octave)) * weight;
    total += weight;
    x *= 2.03f;
    y *= 2.03f;
    weight *= 0.5f;
  }
  return sum / total;
}

RgbaImage TextMask(const TextRaster& text, const std::string& line, int margin) {
  RgbaImage mask(text.TextWidth(line) + 2 * margin, text.Ascent() + text.Descent() + 2 * margin,
                 {255, 255, 255, 0});
  text.Draw(mask, margin, margin + text.Ascent(), line, {255, 255, 255, 255});
  return mask;
}

RgbaImage BlurAlpha(const RgbaImage& mask, int radius) {
  const int width = mask.Width();
  const int height = mask.Height();
  std::vector<float> alpha(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      alpha[static_cast<std::size_t>(y) * width + x] = mask.At(x, y)[3];
    }
  }
  std::vector<float> scratch(alpha.size());
  const float span = 2.0f * radius + 1.0f;
  auto pass = [&](int count, int length, int stride, int step) {
    for (int line = 0; line < count; ++line) {
      for (int i = 0; i < length; ++i) {
        float sum = 0.0f;
        for (int k = -radius; k <= radius; ++k) {
          const int j = i + k;
          if (j >= 0 && j < length) {
            sum += alpha[static_cast<std::size_t>(line) * stride + static_cast<std::size_t>(j) * step];
          }
        }
        scratch[static_cast<std::size_t>(line) * stride + static_cast<std::size_t>(i) * step] = sum / span;
      }
    }
    std::swap(alpha, scratch);
  };
  for (int round = 0; round < 3; ++round) {
    pass(height, width, width, 1);
    pass(width, height, 1, width);
  }
  RgbaImage blurred(width, height, {255, 255, 255, 0});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      blurred.At(x, y)[3] = ToByte(alpha[static_cast<std::size_t>(y) * width + x]);
    }
  }
  return blurred;
}

void DrawScaled(RgbaImage& image, const RgbaImage& layer, float x, float y, float scaleX, float scaleY) {
  const int x0 = static_cast<int>(std::floor(x));
  const int y0 = static_cast<int>(std::floor(y));
  const int x1 = static_cast<int>(std::ceil(x + layer.Width() * scaleX));
  const int y1 = static_cast<int>(std::ceil(y + layer.Height() * scaleY));
  // Enough samples per pixel that every layer pixel under it is seen.
  const int samplesX = static_cast<int>(std::ceil(1.0f / scaleX)) + 1;
  const int samplesY = static_cast<int>(std::ceil(1.0f / scaleY)) + 1;
  for (int py = y0; py < y1; ++py) {
    for (int px = x0; px < x1; ++px) {
      float premultiplied[3] = {};
      float alpha = 0.0f;
      for (int sy = 0; sy < samplesY; ++sy) {
        for (int sx = 0; sx < samplesX; ++sx) {
          const float lx = (px + (sx + 0.5f) / samplesX - x) / scaleX;
          const float ly = (py + (sy + 0.5f) / samplesY - y) / scaleY;
          if (lx < 0.0f || ly < 0.0f || lx >= layer.Width() || ly >= layer.Height()) {
            continue;
          }
          const Rgba& texel = layer.At(static_cast<int>(lx), static_cast<int>(ly));
          const float a = texel[3] / 255.0f;
          for (int c = 0; c < 3; ++c) {
            premultiplied[c] += texel[c] * a;
          }
          alpha += a;
        }
      }
      if (alpha <= 0.0f) {
        continue;
      }
      const Rgba colour{ToByte(premultiplied[0] / alpha), ToByte(premultiplied[1] / alpha),
                        ToByte(premultiplied[2] / alpha), 255};
      image.Blend(px, py, colour, alpha / static_cast<float>(samplesX * samplesY));
    }
  }
}

}  // namespace paint
