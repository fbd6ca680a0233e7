// How much of each pixel a shape or a line of text covers, 0 to 1: the
// stencil that button faces are painted through, and blurred, their glow.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

class TextRaster;

class Coverage {
 public:
  Coverage(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  float At(int x, int y) const { return values_[static_cast<std::size_t>(y) * width_ + x]; }

  // Adds a shape given by its signed distance in pixels from a pixel centre
  // (negative inside), smoothed over one pixel so edges are not jagged.
  void AddShape(const std::function<float(float x, float y)>& distance);
  // Adds a line of Latin-1 text with its baseline at y; (0, 0) is the top left.
  void AddText(const TextRaster& raster, int x, int baseline, const std::string& text);

  // A box blur run `passes` times, which comes close to a gaussian.
  Coverage Blurred(int radius, int passes) const;
  // Every value times `factor`, held at 1.
  Coverage Scaled(float factor) const;

 private:
  int width_;
  int height_;
  std::vector<float> values_;
};

// Signed distances for AddShape, in pixels.
namespace Distance {

float Segment(float x, float y, float ax, float ay, float bx, float by, float halfThickness);
float RoundedBox(float x, float y, float cx, float cy, float halfWidth, float halfHeight, float radius);
// A convex polygon, its points in either winding.
float Polygon(float x, float y, const std::vector<std::array<float, 2>>& points);
// A ring's band between two angles in radians, counted counter-clockwise
// from the right as the picture is seen, with round ends.
float Arc(float x, float y, float cx, float cy, float radius, float halfThickness, float from, float to);

}  // namespace Distance
