// An opaque colour that can be made current for drawing.
#pragma once

class OColor3 {
 public:
  OColor3() = default;
  OColor3(float red, float green, float blue) : r(red), g(green), b(blue) {}
  virtual ~OColor3() = default;
  OColor3(const OColor3&) = default;
  OColor3& operator=(const OColor3&) = default;

  virtual void Set(float red, float green, float blue);
  // Makes this the current GL colour.
  virtual void Apply() const;

  float r = 0.0f;
  float g = 0.0f;
  float b = 0.0f;
};
