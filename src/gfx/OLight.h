// One of OpenGL's fixed lights. Only the ambient colour and the position are sent:
// diffuse and specular stay at GL's own white for the first light, which is what
// the stored values say too.
#pragma once

#include "gfx/O3D.h"

class OLight : public O3D {
 public:
  explicit OLight(int lightNumber = 0);

  // Switches lighting and this light on with the stored values.
  void Apply() const;

  int number;  // GL_LIGHT0 + number
  bool positional = false;
  float ambient[4] = {0.4f, 0.4f, 0.4f, 1.0f};
  float diffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
  float specular[4] = {1.0f, 1.0f, 1.0f, 1.0f};
  int localViewer = 0;  // GL_LIGHT_MODEL_LOCAL_VIEWER
};
