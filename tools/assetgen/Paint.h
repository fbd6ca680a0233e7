// Drawing for the generated pictures: shapes given as signed distances, so
// that every edge is smoothed the same way whatever the shape, plus colour
// mixing and seeded noise for surfaces that should not look flat.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "assetgen/RgbaImage.h"
#include "assetgen/TextRaster.h"

namespace paint {

struct Point {
  float x;
  float y;
};

// Distance from a point to a shape's edge in picture pixels: negative inside.
using Shape = std::function<float(float x, float y)>;

Shape Disc(Point centre, float radius);
// Close to the true distance near the edge, which is all that smoothing needs.
Shape Ellipse(Point centre, float radiusX, float radiusY);
// An axis-aligned box with rounded corners, given by its centre and half sizes.
Shape RoundedBox(Point centre, float halfWidth, float halfHeight, float cornerRadius);
// A stroke from a to b with round ends.
Shape Segment(Point a, Point b, float halfWidth);
Shape Polygon(std::span<const Point> corners);
Shape Union(Shape a, Shape b);
Shape Subtract(Shape from, Shape cut);
// The band of the given half width along the shape's edge.
Shape Outline(Shape shape, float halfWidth);
// The shape grown outward by `amount` pixels (shrunk when negative).
Shape Grow(Shape shape, float amount);
// The shape drawn `scaleX` times wider and `scaleY` times taller than its
// picture coordinates say, about `origin`. Pictures shown stretched (the
// backgrounds on a 4:3 screen) draw their shapes squeezed to come out round.
Shape Stretch(Shape shape, Point origin, float scaleX, float scaleY);

// A rectangle of pixels, x0 and y0 included, x1 and y1 not.
struct Area {
  int x0;
  int y0;
  int x1;
  int y1;
};

// Lays the colour over the shape, its edge smoothed over `softness` pixels.
// Only pixels inside `area` are looked at, when one is given.
void Fill(RgbaImage& image, const Shape& shape, Rgba colour, float softness = 1.0f);
void Fill(RgbaImage& image, const Shape& shape, Rgba colour, float softness, Area area);

// How much of a pixel centred at (x, y) a shape covers, for painters that
// compute their own colour per pixel.
float Coverage(const Shape& shape, float x, float y, float softness = 1.0f);

Rgba Mix(Rgba a, Rgba b, float t);
// Multiplies the colour channels; factors above 1 lighten, alpha is kept.
Rgba Scale(Rgba colour, float factor);
Rgba WithAlpha(Rgba colour, std::uint8_t alpha);

// Smooth noise in 0..1 with features about one unit apart; the same inputs
// always give the same value.
float Noise(float x, float y, std::uint32_t seed);
// Several octaves of Noise for rough, natural surfaces.
float Fractal(float x, float y, std::uint32_t seed, int octaves);
// A hash of integers in 0..1, for scattering things.
float Random(std::uint32_t a, std::uint32_t b, std::uint32_t seed);

// A grey mask of text as coverage in the alpha channel, white elsewhere,
// with `margin` empty pixels around the ink.
RgbaImage TextMask(const TextRaster& text, const std::string& line, int margin);
// Spreads each pixel's alpha over its neighbours, `radius` pixels each way,
// three times over, which is close to a Gaussian blur.
RgbaImage BlurAlpha(const RgbaImage& mask, int radius);
// Lays `layer` over the image with its top-left corner at (x, y), shrunk by the
// given factors; each image pixel averages the layer pixels it covers.
void DrawScaled(RgbaImage& image, const RgbaImage& layer, float x, float y, float scaleX, float scaleY);

}  // namespace paint
