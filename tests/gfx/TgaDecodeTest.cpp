// TGA decoding without OpenGL: the byte order the game uploads and rows kept
// in file order. Refused files are covered through OTexture::Set.
#include <gtest/gtest.h>

#include "gfx/TgaDecode.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes Header(std::uint8_t type, std::uint8_t width, std::uint8_t height, std::uint8_t bits) {
  return {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0, width, 0, height, 0, bits, 0};
}

Bytes Append(Bytes bytes, const Bytes& more) {
  bytes.insert(bytes.end(), more.begin(), more.end());
  return bytes;
}

TEST(DecodeTga, GivesRgbInFileOrder) {
  {
    SCOPED_TRACE("24 bits, a top-left origin flag and a footer: neither changes anything");
    Bytes file = Append(Header(2, 2, 2, 24), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0xEE, 0xEE});
    file[17] = 0x20;
    const auto image = DecodeTga(file);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->format, static_cast<GLenum>(GL_RGB));
    EXPECT_EQ(image->components, 3);
    EXPECT_EQ(image->bytesPerPixel, 3);
    EXPECT_EQ(image->width, 2);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->pixels, (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
  }
  {
    SCOPED_TRACE("32 bits keep their alpha");
    const auto image = DecodeTga(Append(Header(2, 2, 1, 32), {1, 2, 3, 4, 5, 6, 7, 8}));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->format, static_cast<GLenum>(GL_RGBA));
    EXPECT_EQ(image->components, 4);
    EXPECT_EQ(image->pixels, (Bytes{3, 2, 1, 4, 7, 6, 5, 8}));
  }
  {
    SCOPED_TRACE("8-bit grey is not swapped");
    const auto image = DecodeTga(Append(Header(3, 3, 1, 8), {10, 20, 30}));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->format, static_cast<GLenum>(GL_LUMINANCE));
    EXPECT_EQ(image->components, 1);
    EXPECT_EQ(image->pixels, (Bytes{10, 20, 30}));
  }
}

}  // namespace
