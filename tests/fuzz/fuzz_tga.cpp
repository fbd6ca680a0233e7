// Any bytes as a TGA texture: decoding never crashes or reads past the file,
// and a picture it gives holds exactly the pixels its size and format need.
#include <cstdlib>

#include "gfx/TgaDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto image = DecodeTga({data, size});
  if (!image) {
    return 0;
  }
  const bool formatFits = (image->format == GL_LUMINANCE && image->components == 1) ||
                          (image->format == GL_RGB && image->components == 3) ||
                          (image->format == GL_RGBA && image->components == 4);
  const std::size_t expected = static_cast<std::size_t>(image->width) * image->height * image->bytesPerPixel;
  if (!formatFits || image->bytesPerPixel != image->components || image->pixels.size() != expected) {
    std::abort();
  }
  return 0;
}
