#include "gfx/TgaDecode.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::size_t kHeaderSize = 18;
// The first 12 header bytes are compared whole: a non-zero image ID length,
// colour map or origin means a file the game was never given, so it is refused
// rather than guessed at.
constexpr std::array<std::uint8_t, 12> kTrueColourStart = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr std::array<std::uint8_t, 12> kGreyStart = {0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0};

int ReadU16(const std::uint8_t* bytes) { return bytes[0] | bytes[1] << 8; }

}  // namespace

std::optional<ODecodedImage> DecodeTga(std::span<const std::uint8_t> file) {
  if (file.size() < kHeaderSize) {
    return std::nullopt;
  }
  ODecodedImage image;
  if (std::equal(kTrueColourStart.begin(), kTrueColourStart.end(), file.begin())) {
    const bool alpha = file[16] == 32;
    image.format = alpha ? GL_RGBA : GL_RGB;
    image.components = alpha ? 4 : 3;
  } else if (std::equal(kGreyStart.begin(), kGreyStart.end(), file.begin())) {
    image.format = GL_LUMINANCE;
    image.components = 1;
  } else {
    return std::nullopt;
  }
  // Byte 17 (origin corner, alpha bits) is ignored on purpose: rows are never
  // flipped, and texture coordinates are laid out for bottom-up files.
  const int bitsPerPixel = file[16];
  if (bitsPerPixel != image.components * 8) {
    return std::nullopt;
  }
  image.width = ReadU16(&file[12]);
  image.height = ReadU16(&file[14]);
  image.bytesPerPixel = bitsPerPixel / 8;

  const std::size_t size = static_cast<std::size_t>(image.width) * image.height * image.bytesPerPixel;
  if (file.size() - kHeaderSize < size) {
    return std::nullopt;
  }
  const auto pixels = file.subspan(kHeaderSize, size);
  image.pixels.assign(pixels.begin(), pixels.end());
  if (image.bytesPerPixel >= 3) {
    for (std::size_t i = 0; i < size; i += image.bytesPerPixel) {
      std::swap(image.pixels[i], image.pixels[i + 2]);
    }
  }
  return image;
}
