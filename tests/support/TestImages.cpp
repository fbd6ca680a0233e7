#include "support/TestImages.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

// jpeglib.h needs size_t and FILE declared before it.
// clang-format off
#include <jpeglib.h>
// clang-format on

Rgb ColourOf(char letter) {
  constexpr std::string_view kLetters = "KWRGBYCM";
  constexpr Rgb kColours[] = {{0, 0, 0},   {255, 255, 255}, {255, 0, 0},   {0, 255, 0},
                              {0, 0, 255}, {255, 255, 0},   {0, 255, 255}, {255, 0, 255}};
  const std::size_t index = kLetters.find(letter);
  if (index == std::string_view::npos) {
    throw std::invalid_argument(std::string("no colour for letter ") + letter);
  }
  return kColours[index];
}

std::uint8_t GreyOf(char letter) {
  const Rgb rgb = ColourOf(letter);
  return static_cast<std::uint8_t>((rgb[0] * 77 + rgb[1] * 150 + rgb[2] * 29) >> 8);
}

std::vector<std::uint8_t> TgaFile(const Rows& rows, int bitsPerPixel) {
  const std::size_t width = rows.empty() ? 0 : rows[0].size();
  const std::size_t height = rows.size();
  const std::uint8_t type = bitsPerPixel == 8 ? 3 : 2;
  std::vector<std::uint8_t> file = {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  file.insert(file.end(), {static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(width >> 8),
                           static_cast<std::uint8_t>(height), static_cast<std::uint8_t>(height >> 8),
                           static_cast<std::uint8_t>(bitsPerPixel), 0});
  for (const std::string& row : rows) {
    for (const char letter : row) {
      if (bitsPerPixel == 8) {
        file.push_back(GreyOf(letter));
        continue;
      }
      const Rgb rgb = ColourOf(letter);
      file.insert(file.end(), {rgb[2], rgb[1], rgb[0]});
      if (bitsPerPixel == 32) {
        file.push_back(255);
      }
    }
  }
  return file;
}

namespace {

// The test's own pictures are well formed, so any libjpeg error is a bug in the test.
[[noreturn]] void FailTest(j_common_ptr) {
  std::fputs("TestImages: libjpeg could not write a test picture\n", stderr);
  std::abort();
}

}  // namespace

std::vector<std::uint8_t> JpegFile(const Rows& rows, int blockSize, JpegColours colours) {
  const int components = colours == JpegColours::kRgb ? 3 : colours == JpegColours::kGrey ? 1 : 4;
  const int width = rows.empty() ? 0 : static_cast<int>(rows[0].size()) * blockSize;
  const int height = static_cast<int>(rows.size()) * blockSize;

  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  errors.error_exit = FailTest;
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = components;
  info.in_color_space = colours == JpegColours::kRgb    ? JCS_RGB
                        : colours == JpegColours::kGrey ? JCS_GRAYSCALE
                                                        : JCS_CMYK;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);

  std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * components);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb rgb = ColourOf(rows[y / blockSize][x / blockSize]);
      std::uint8_t* pixel = &row[static_cast<std::size_t>(x) * components];
      if (colours == JpegColours::kGrey) {
        pixel[0] = GreyOf(rows[y / blockSize][x / blockSize]);
        continue;
      }
      // CMYK stores ink, the complement of the light; black ink stays 0 as the row began.
      for (int c = 0; c < 3; ++c) {
        pixel[c] = colours == JpegColours::kCmyk ? 255 - rgb[c] : rgb[c];
      }
    }
    JSAMPROW rowPointer = row.data();
    jpeg_write_scanlines(&info, &rowPointer, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<std::uint8_t> file(buffer, buffer + size);
  std::free(buffer);
  return file;
}
