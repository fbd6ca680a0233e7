// Any bytes as a JPEG texture: libjpeg's errors come back as a refusal instead
// of ending the process, truncated files end instead of waiting for more, and a
// picture it gives fills the width x height x 3 block the game uploads from.
#include <cstdlib>

#include "gfx/JpegDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto image = DecodeJpeg({data, size});
  if (!image) {
    return 0;
  }
  const bool formatFits = (image->format == GL_LUMINANCE && image->components == 1) ||
                          (image->format == GL_RGB && image->components == 3);
  const std::size_t expected = static_cast<std::size_t>(image->width) * image->height * 3;
  if (!formatFits || image->width > kLargestJpegSide || image->height > kLargestJpegSide ||
      image->pixels.size() != expected) {
    std::abort();
  }
  return 0;
}
