// Any model file: parsing never crashes, and whatever it accepts has every
// index inside its pool.
#include <cstdlib>

#include "gfx/AsvmFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const AsvmFile::ParseResult result = AsvmFile::Parse({data, size});
  if (!result.file) {
    return 0;
  }
  for (const AsvmFile::Object& object : result.file->objects) {
    for (const AsvmFile::Face& face : object.faces) {
      for (const AsvmFile::Corner& corner : face) {
        if (corner.vertex < 1 || static_cast<std::size_t>(corner.vertex) > result.file->positions.size() ||
            corner.texCoord < 1 ||
            static_cast<std::size_t>(corner.texCoord) > result.file->texCoords.size()) {
          std::abort();
        }
      }
    }
  }
  return 0;
}
