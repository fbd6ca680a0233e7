// PNG files as viewers read them: the checksums PNG and zlib ask for, and the
// pixels stored row by row behind their filter bytes, in blocks small enough
// for deflate.
#include <gtest/gtest.h>

#include <string_view>

#include "assetgen/PngWriter.h"

namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::uint32_t BigEndian(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 |
         bytes[at + 3];
}

TEST(PngWriter, ChecksumsMatchTheirPublishedCheckValues) {
  EXPECT_EQ(Crc32(Bytes("123456789")), 0xCBF43926u);
  EXPECT_EQ(Adler32(Bytes("Wikipedia")), 0x11E60398u);
  EXPECT_EQ(Adler32(Bytes("")), 1u);
}

TEST(PngWriter, StoresEveryRowAfterItsFilterByteAcrossStoredBlocks) {
  // 200 x 100 RGBA is 80,100 bytes of rows: two stored blocks.
  RgbaImage image(200, 100, {10, 20, 30, 40});
  image.At(199, 99) = {1, 2, 3, 4};
  const std::vector<std::uint8_t> png = EncodePng(image);

  ASSERT_GT(png.size(), 33u);
  EXPECT_EQ(std::vector<std::uint8_t>(png.begin(), png.begin() + 8),
            (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
  EXPECT_EQ(BigEndian(png, 8), 13u);
  EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
  EXPECT_EQ(BigEndian(png, 16), 200u);
  EXPECT_EQ(BigEndian(png, 20), 100u);
  EXPECT_EQ(png[24], 8);
  EXPECT_EQ(png[25], 6) << "RGBA";

  // Walk the chunks, checking each CRC, and gather the image data.
  std::vector<std::uint8_t> zlib;
  std::size_t at = 8;
  std::string last;
  while (at + 12 <= png.size()) {
    const std::uint32_t length = BigEndian(png, at);
    last = std::string(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                       png.begin() + static_cast<std::ptrdiff_t>(at + 8));
    const std::span<const std::uint8_t> typeAndData(png.data() + at + 4, length + 4);
    EXPECT_EQ(BigEndian(png, at + 8 + length), Crc32(typeAndData)) << last;
    if (last == "IDAT") {
      zlib.insert(zlib.end(), png.begin() + static_cast<std::ptrdiff_t>(at + 8),
                  png.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
    }
    at += 12 + length;
  }
  EXPECT_EQ(last, "IEND");
  EXPECT_EQ(at, png.size());

  // Undo the stored blocks by hand.
  ASSERT_GE(zlib.size(), 6u);
  EXPECT_EQ((zlib[0] << 8 | zlib[1]) % 31, 0) << "zlib header check bits";
  std::vector<std::uint8_t> raw;
  std::size_t in = 2;
  int blocks = 0;
  for (bool final = false; !final; ++blocks) {
    ASSERT_LT(in + 5, zlib.size());
    final = (zlib[in] & 1) != 0;
    EXPECT_EQ(zlib[in] >> 1, 0) << "stored";
    const std::size_t length = zlib[in + 1] | zlib[in + 2] << 8;
    EXPECT_EQ(length ^ (zlib[in + 3] | zlib[in + 4] << 8), 0xFFFFu);
    raw.insert(raw.end(), zlib.begin() + static_cast<std::ptrdiff_t>(in + 5),
               zlib.begin() + static_cast<std::ptrdiff_t>(in + 5 + length));
    in += 5 + length;
  }
  EXPECT_EQ(blocks, 2);
  EXPECT_EQ(BigEndian(zlib, in), Adler32(raw));
  ASSERT_EQ(raw.size(), 100u * (1 + 200 * 4));
  EXPECT_EQ(raw[0], 0) << "no filter";
  EXPECT_EQ((std::vector<std::uint8_t>(raw.begin() + 1, raw.begin() + 5)),
            (std::vector<std::uint8_t>{10, 20, 30, 40}));
  EXPECT_EQ((std::vector<std::uint8_t>(raw.end() - 4, raw.end())), (std::vector<std::uint8_t>{1, 2, 3, 4}));
}

}  // namespace
