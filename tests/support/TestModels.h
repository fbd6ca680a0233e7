// A model file's contents for the model tests and the fuzz seeds: two objects
// over one textured quad, the normal face and a highlighted one.
#pragma once

#include "gfx/AsvmFile.h"

inline AsvmFile QuadModel() {
  AsvmFile model;
  model.texture1 = "scr.tga";
  model.texture2 = "x";
  model.positions = {{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}};
  model.texCoords = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  AsvmFile::Object face;
  face.faces = {{{{1, 1}, {2, 2}, {3, 3}}}, {{{1, 1}, {3, 3}, {4, 4}}}};
  face.material.shininess = 12;
  AsvmFile::Object highlight;
  highlight.faces = {{{{1, 4}, {2, 3}, {3, 2}}}};
  highlight.material.diffuse = {1, 1, 0, 0.5f};
  model.objects = {face, highlight};
  return model;
}
