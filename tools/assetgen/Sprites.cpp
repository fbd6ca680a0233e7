#include "assetgen/Sprites.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "assetgen/Paint.h"
#include "assetgen/Palette.h"

namespace Sprites {

namespace {

using paint::Point;

// Gold from light at the top to deep at the bottom, as if lit from above.
Rgba GoldAt(float y, float top, float bottom) {
  return paint::Mix(Palette::kGoldLight, Palette::kGoldDeep,
                    std::clamp((y - top) / (bottom - top), 0.0f, 1.0f));
}

// Fills the shape with the gold gradient, edged with the dark ink line, over
// a soft glow or shadow made from the shape's own blurred coverage.
void DrawGoldShape(RgbaImage& image, const paint::Shape& shape, float top, float bottom, Rgba glow,
                   Point glowOffset, int glowRadius) {
  RgbaImage mask(image.Width(), image.Height(), {255, 255, 255, 0});
  paint::Fill(mask, paint::Grow(shape, 1.5f), {255, 255, 255, 255});
  const RgbaImage blurred = paint::BlurAlpha(mask, glowRadius);
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const int sx = x - static_cast<int>(glowOffset.x);
      const int sy = y - static_cast<int>(glowOffset.y);
      if (sx >= 0 && sy >= 0 && sx < image.Width() && sy < image.Height()) {
        image.Blend(x, y, glow, blurred.At(sx, sy)[3] / 255.0f);
      }
    }
  }
  paint::Fill(image, paint::Grow(shape, 1.5f), Palette::kInk);
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      image.Blend(x, y, GoldAt(y + 0.5f, top, bottom), paint::Coverage(shape, x + 0.5f, y + 0.5f));
    }
  }
}

// An arrow pointing right in picture terms, its tip `shift` pixels right of
// its resting place, inside one 64 x 64 frame.
paint::Shape RightArrow(float shift) {
  const std::array<Point, 7> corners = {{{14 + shift, 25},
                                         {33 + shift, 25},
                                         {33 + shift, 14},
                                         {51 + shift, 32},
                                         {33 + shift, 50},
                                         {33 + shift, 39},
                                         {14 + shift, 39}}};
  // Growing the polygon rounds its corners.
  return paint::Grow(paint::Polygon(corners), 1.0f);
}

}  // namespace

RgbaImage MakeArrowSheet(Direction onScreen) {
  RgbaImage sheet(kArrowFrameSize * kArrowFrames, kArrowFrameSize, {255, 220, 120, 0});
  for (int frame = 0; frame < kArrowFrames; ++frame) {
    const float phase = 2.0f * std::numbers::pi_v<float> * frame / kArrowFrames;
    // The arrow nudges forward and back and glows brighter as it leans forward,
    // one smooth swing per loop so the last frame leads back into the first.
    const float shift = 4.0f * std::sin(phase);
    const auto glowAlpha = static_cast<std::uint8_t>(110 + 90 * std::sin(phase));
    RgbaImage picture(kArrowFrameSize, kArrowFrameSize, {255, 220, 120, 0});
    DrawGoldShape(picture, RightArrow(shift), 14, 50, {255, 200, 90, glowAlpha}, {0, 0}, 3);
    // A sprite turned to face the game's camera shows its picture mirrored left
    // to right (the camera's basis is left-handed), so the picture points the
    // other way.
    const bool mirror = onScreen == Direction::Right;
    for (int y = 0; y < kArrowFrameSize; ++y) {
      for (int x = 0; x < kArrowFrameSize; ++x) {
        const int from = mirror ? kArrowFrameSize - 1 - x : x;
        sheet.At(frame * kArrowFrameSize + x, y) = picture.At(from, y);
      }
    }
  }
  return sheet;
}

RgbaImage MakeSpark() {
  constexpr int kSize = 64;
  RgbaImage spark(kSize, kSize, {255, 255, 255, 0});
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const float dx = (x + 0.5f - kSize / 2.0f) / (kSize / 2.0f - 1.0f);
      const float dy = (y + 0.5f - kSize / 2.0f) / (kSize / 2.0f - 1.0f);
      const float r2 = dx * dx + dy * dy;
      // A hot core inside a wide halo, reaching zero before the edge so the
      // quad's outline never shows.
      const float halo = std::pow(std::max(0.0f, 1.0f - r2), 2.0f);
      const float core = std::exp(-r2 * 18.0f);
      spark.At(x, y)[3] =
          static_cast<std::uint8_t>(std::min(1.0f, 0.55f * halo + 0.6f * core) * 255.0f + 0.5f);
    }
  }
  return spark;
}

RgbaImage MakeCursor() {
  constexpr int kSize = 64;
  RgbaImage cursor(kSize, kSize, {0, 0, 0, 0});
  const std::array<Point, 7> corners = {
      {{3, 3}, {3, 40}, {12, 31.5f}, {19, 46}, {26, 42.5f}, {19, 29}, {31, 28}}};
  DrawGoldShape(cursor, paint::Polygon(corners), 3, 44, {0, 0, 0, 150}, {3, 3}, 2);
  return cursor;
}

RgbaImage MakeIcon(int size) {
  // Drawn on a 64-pixel grid scaled to the size asked for, so that the desktop's
  // larger icons are as sharp as the window's own.
  const float s = size / 64.0f;
  RgbaImage icon(size, size, {0, 0, 0, 0});
  const paint::Shape tile = paint::RoundedBox({32 * s, 32 * s}, 30 * s, 30 * s, 9 * s);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const Rgba sky = paint::Mix(Palette::kSkyTop, {60, 52, 130, 255}, y / (size - 1.0f));
      icon.Blend(x, y, sky, paint::Coverage(tile, x + 0.5f, y + 0.5f));
    }
  }
  paint::Fill(icon, paint::Outline(tile, 0.8f * s), {150, 140, 220, 200});
  // Three rings of blocks stacked into a tower, each turned a little further,
  // shaded as the curved front of a cylinder.
  const std::array<Rgba, 4> colours = {Palette::kYellow, Palette::kGreen, Palette::kRed, Palette::kBlue};
  constexpr int kRings = 3;
  for (int ring = 0; ring < kRings; ++ring) {
    const float top = (12.0f + ring * 14.0f) * s;
    const paint::Shape band = paint::RoundedBox({32 * s, top + 6 * s}, 20 * s, 6 * s, 3 * s);
    const int firstRow = static_cast<int>(top - s);
    const int lastRow = static_cast<int>(top + 14 * s);
    for (int y = firstRow; y < lastRow; ++y) {
      for (int x = static_cast<int>(10 * s); x < static_cast<int>(54 * s); ++x) {
        const float across = (x + 0.5f - 32.0f * s) / (20.0f * s);  // -1 .. 1 round the front
        if (std::abs(across) >= 1.0f) {
          continue;
        }
        const float angle = std::asin(across) + ring * 0.55f;
        const float turn = angle / (std::numbers::pi_v<float> / 4.0f) + 8.0f;
        const int block = static_cast<int>(std::floor(turn)) % 4;
        const bool seam = turn - std::floor(turn) < 0.09f;
        const float light = 0.55f + 0.55f * std::sqrt(1.0f - across * across) - (y - top) / s * 0.02f;
        const Rgba colour = seam ? Rgba{20, 18, 40, 255} : paint::Scale(colours[block], light);
        icon.Blend(x, y, colour, paint::Coverage(band, x + 0.5f, y + 0.5f));
      }
    }
  }
  return icon;
}

}  // namespace Sprites
