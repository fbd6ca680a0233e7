#include "assetgen/Backgrounds.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "assetgen/Paint.h"
#include "assetgen/Palette.h"
#include "assetgen/TextRaster.h"

namespace Backgrounds {

namespace {

using paint::Point;

// The screen the pictures are drawn for; a picture row covers 1.5 screen rows.
constexpr float kScreenWidth = 1024.0f;
constexpr float kScreenHeight = 768.0f;
constexpr float kRowsPerPixel = kScreenHeight / kHeight;

// What sets one screen's sky apart from the others. Positions and sizes are in
// screen pixels of the 1024 x 768 screen, y down from the top.
struct Sky {
  Rgba top;
  Rgba bottom;
  Point glowCentre;
  float glowRadius;
  Rgba glow;  // its alpha is the glow's strength at the centre
  Point ringCentre;
  float firstRing;
  float ringStrength;
  float haze;  // how strongly the clouds vary the light
  std::uint32_t seed;
};

float Smoothstep(float edge0, float edge1, float x) {
  const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
  return t * t * (3.0f - 2.0f * t);
}

RgbaImage PaintSky(const Sky& sky) {
  RgbaImage image(kWidth, kHeight);
  for (int py = 0; py < kHeight; ++py) {
    for (int px = 0; px < kWidth; ++px) {
      const float x = px + 0.5f;
      const float y = (py + 0.5f) * kRowsPerPixel;
      Rgba colour = paint::Mix(sky.top, sky.bottom, Smoothstep(0.0f, kScreenHeight, y));

      const float cloud = paint::Fractal(x / 260.0f, y / 180.0f, sky.seed, 5);
      colour = paint::Scale(colour, 1.0f + sky.haze * (cloud - 0.5f) * 2.0f);

      const float gx = (x - sky.glowCentre.x) / sky.glowRadius;
      const float gy = (y - sky.glowCentre.y) / sky.glowRadius;
      const float glow = std::exp(-(gx * gx + gy * gy) * 2.2f) * sky.glow[3] / 255.0f;
      colour = paint::Mix(colour, paint::WithAlpha(sky.glow, 255), glow);

      // Faint rings spreading from one point, broken into arcs, like the
      // game's rings seen from above.
      const float distance = std::hypot(x - sky.ringCentre.x, y - sky.ringCentre.y);
      float ring = 0.0f;
      for (float radius = sky.firstRing; radius < 1600.0f; radius *= 1.32f) {
        const float offset = (distance - radius) / (1.2f + radius * 0.004f);
        ring += std::exp(-offset * offset);
      }
      // Where the arcs break depends on the direction from the centre, taken
      // as a point on a circle so that there is no seam where the angle wraps.
      const float around = std::max(distance, 1.0f);
      const float ax = (x - sky.ringCentre.x) / around * 2.5f;
      const float ay = (y - sky.ringCentre.y) / around * 2.5f;
      const float arcs =
          Smoothstep(0.35f, 0.65f, paint::Noise(ax + distance / 500.0f + 40.0f, ay + 40.0f, sky.seed + 5));
      colour = paint::Mix(colour, {170, 180, 255, 255}, std::min(ring, 1.0f) * arcs * sky.ringStrength);

      // Stars: at most one in each 16-pixel square, most of them dim.
      const auto cellX = static_cast<std::uint32_t>(x / 16.0f);
      const auto cellY = static_cast<std::uint32_t>(y / 16.0f);
      if (paint::Random(cellX, cellY, sky.seed + 9) < 0.14f) {
        const float sx = (cellX + 0.2f + 0.6f * paint::Random(cellX, cellY, sky.seed + 10)) * 16.0f;
        const float sy = (cellY + 0.2f + 0.6f * paint::Random(cellX, cellY, sky.seed + 11)) * 16.0f;
        const float brightness = std::pow(paint::Random(cellX, cellY, sky.seed + 12), 3.0f);
        const float d2 = ((x - sx) * (x - sx) + (y - sy) * (y - sy)) / 1.6f;
        colour = paint::Mix(colour, {225, 230, 255, 255}, std::exp(-d2) * (0.15f + 0.6f * brightness));
      }

      // Darker corners hold the eye on the middle.
      const float vx = x / kScreenWidth - 0.5f;
      const float vy = y / kScreenHeight - 0.5f;
      colour = paint::Scale(colour, 1.0f - 0.45f * (vx * vx + vy * vy));
      image.At(px, py) = paint::WithAlpha(colour, 255);
    }
  }
  return image;
}

// Lays a layer drawn in screen pixels onto a background stored squeezed.
void DrawOnScreen(RgbaImage& image, const RgbaImage& layer, Point topLeft) {
  paint::DrawScaled(image, layer, topLeft.x, topLeft.y / kRowsPerPixel, 1.0f, 1.0f / kRowsPerPixel);
}

// Text in the house style: gold with a dark edge, over a shadow and a warm glow.
RgbaImage GoldLettering(const TextRaster& font, const std::string& text, int glowRadius, float glowStrength) {
  const int margin = glowRadius * 3 + 8;
  const RgbaImage mask = paint::TextMask(font, text, margin);
  const RgbaImage edge = paint::BlurAlpha(mask, std::max(1, font.Ascent() / 60));
  const RgbaImage glow = paint::BlurAlpha(mask, glowRadius);
  const RgbaImage shadow = paint::BlurAlpha(mask, std::max(2, glowRadius / 3));
  RgbaImage layer(mask.Width(), mask.Height(), {0, 0, 0, 0});
  const float inkTop = static_cast<float>(margin);
  const float inkBottom = static_cast<float>(margin + font.Ascent());
  const int shadowShift = std::max(2, font.Ascent() / 25);
  for (int y = 0; y < layer.Height(); ++y) {
    for (int x = 0; x < layer.Width(); ++x) {
      layer.Blend(x, y, {255, 170, 60, 255}, glow.At(x, y)[3] / 255.0f * glowStrength);
      const int sx = std::max(0, x - shadowShift);
      const int sy = std::max(0, y - shadowShift);
      layer.Blend(x, y, {0, 0, 0, 255}, shadow.At(sx, sy)[3] / 255.0f * 0.8f);
      // Thicken the blurred edge into a solid outline a little wider than the letters.
      layer.Blend(x, y, Palette::kInk, std::min(1.0f, edge.At(x, y)[3] / 255.0f * 2.6f));
      const float height = std::clamp((y - inkTop) / (inkBottom - inkTop), 0.0f, 1.0f);
      // Light at the top, deep in the middle, a little lighter again at the
      // foot, like polished metal catching the light twice.
      const float shine = height < 0.55f ? height / 0.55f : 1.0f - (height - 0.55f) * 0.6f;
      layer.Blend(x, y, paint::Mix(Palette::kGoldLight, Palette::kGoldDeep, shine),
                  mask.At(x, y)[3] / 255.0f);
    }
  }
  return layer;
}

// A tower of ring outlines, as the board stands in the game.
void DrawTower(RgbaImage& image, Point base, float radius, int rings, float spacing, float strength) {
  for (int ring = 0; ring < rings; ++ring) {
    const Point centre{base.x, base.y - ring * spacing};
    const float tilt = 0.22f;
    const paint::Shape ellipse = paint::Ellipse(centre, radius, radius * tilt);
    const paint::Shape onScreen = paint::Stretch(paint::Outline(ellipse, 1.6f), {0, 0}, 1.0f, kRowsPerPixel);
    const float fade = strength * (0.5f + 0.5f * ring / std::max(1.0f, rings - 1.0f));
    const int top = static_cast<int>((centre.y - radius * tilt - 6) / kRowsPerPixel);
    const int bottom = static_cast<int>((centre.y + radius * tilt + 6) / kRowsPerPixel);
    paint::Fill(
        image, onScreen, {190, 200, 255, static_cast<std::uint8_t>(255 * fade)}, 1.2f,
        {static_cast<int>(centre.x - radius - 6), top, static_cast<int>(centre.x + radius + 6), bottom});
  }
}

}  // namespace

RgbaImage MakeMenu() {
  RgbaImage image = PaintSky({.top = {30, 26, 78, 255},
                              .bottom = Palette::kSkyBottom,
                              .glowCentre = {690, 250},
                              .glowRadius = 520,
                              .glow = {110, 70, 150, 120},
                              .ringCentre = {120, 760},
                              .firstRing = 160,
                              .ringStrength = 0.16f,
                              .haze = 0.12f,
                              .seed = 101});
  // The title takes the upper right, which the menu's buttons leave free.
  DrawTower(image, {655, 600}, 170, 6, 52, 0.16f);
  const TextRaster bold(112, TextRaster::Weight::Bold);
  const RgbaImage title = GoldLettering(bold, "Tornet 3D", 12, 0.55f);
  DrawOnScreen(image, title, {655.0f - title.Width() / 2.0f, 215.0f - title.Height() / 2.0f});
  return image;
}

RgbaImage MakeGameType() {
  return PaintSky({.top = {34, 52, 110, 255},
                   .bottom = {12, 18, 48, 255},
                   .glowCentre = {690, 360},
                   .glowRadius = 560,
                   .glow = {70, 130, 170, 150},
                   .ringCentre = {680, 330},
                   .firstRing = 90,
                   .ringStrength = 0.2f,
                   .haze = 0.14f,
                   .seed = 202});
}

RgbaImage MakeGame() {
  return PaintSky({.top = {30, 34, 76, 255},
                   .bottom = {10, 12, 32, 255},
                   .glowCentre = {512, 384},
                   .glowRadius = 520,
                   .glow = {78, 88, 140, 170},
                   .ringCentre = {512, 384},
                   .firstRing = 330,
                   .ringStrength = 0.12f,
                   .haze = 0.1f,
                   .seed = 303});
}

RgbaImage MakeSideScreen() {
  return PaintSky({.top = Palette::kSkyTop,
                   .bottom = Palette::kSkyBottom,
                   .glowCentre = {900, 700},
                   .glowRadius = 500,
                   .glow = {60, 50, 110, 110},
                   .ringCentre = {1000, 760},
                   .firstRing = 140,
                   .ringStrength = 0.1f,
                   .haze = 0.08f,
                   .seed = 404});
}

RgbaImage MakeLoading() {
  // Shown 256 x 32 units wide of the 512-unit screen, so on a 4:3 window each
  // picture pixel is a third wider than tall; the lettering is drawn narrow to match.
  constexpr int kLoadingWidth = 512;
  constexpr int kLoadingHeight = 64;
  constexpr float kWide = 4.0f / 3.0f;
  RgbaImage image(kLoadingWidth, kLoadingHeight, {0, 0, 0, 255});
  const paint::Shape panel = paint::Stretch(
      paint::RoundedBox({kLoadingWidth * kWide / 2.0f, 32}, kLoadingWidth * kWide / 2.0f - 6, 26, 14), {0, 0},
      kWide, 1.0f);
  for (int y = 0; y < kLoadingHeight; ++y) {
    for (int x = 0; x < kLoadingWidth; ++x) {
      const Rgba sky = paint::Mix({44, 38, 100, 255}, Palette::kSkyBottom, y / 63.0f);
      image.Blend(x, y, sky, paint::Coverage(panel, x + 0.5f, y + 0.5f));
    }
  }
  paint::Fill(image, paint::Outline(panel, 1.0f), paint::WithAlpha(Palette::kGoldDeep, 200));
  const TextRaster bold(34, TextRaster::Weight::Bold);
  const RgbaImage words = GoldLettering(bold, "Loading...", 2, 0.3f);
  paint::DrawScaled(image, words, (kLoadingWidth - words.Width() / kWide) / 2.0f,
                    (kLoadingHeight - words.Height()) / 2.0f + 1, 1.0f / kWide, 1.0f);
  return image;
}

}  // namespace Backgrounds
