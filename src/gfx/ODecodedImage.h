// A picture as a decoder gives it: no OpenGL state yet, so the decoders can be
// tested and fuzzed without a context.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <vector>

struct ODecodedImage {
  int width = 0;
  int height = 0;
  GLenum format = GL_RGB;  // GL_LUMINANCE, GL_RGB or GL_RGBA
  int components = 3;
  int bytesPerPixel = 3;
  // Tightly packed R,G,B[,A] or grey bytes, rows in the order the file stores them.
  std::vector<std::uint8_t> pixels;
};
