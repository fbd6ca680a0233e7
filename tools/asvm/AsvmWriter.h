// Writes ASVM3D model files. The asset generator makes every model with it,
// and tests use it to make models of their own.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "gfx/AsvmFile.h"

class AsvmWriter {
 public:
  // Thrown for a model the format cannot hold, such as a texture name over 16 bytes.
  struct Unwritable : std::invalid_argument {
    using std::invalid_argument::invalid_argument;
  };

  // Corners carry a normal index too when the model asks for them; it repeats
  // the vertex index, since readers compute their own normals.
  static std::vector<std::uint8_t> Write(const AsvmFile& model);
};
