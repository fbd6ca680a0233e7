#include "assetgen/RgbaImage.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

// jpeglib.h needs size_t and FILE declared before it.
// clang-format off
#include <jpeglib.h>
// clang-format on

RgbaImage::RgbaImage(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {
  if (width <= 0 || height <= 0) {
    throw std::invalid_argument("a picture needs a positive size");
  }
}

void RgbaImage::Fill(Rgba colour) { std::fill(pixels_.begin(), pixels_.end(), colour); }

void RgbaImage::Blend(int x, int y, Rgba colour, float coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0.0f) {
    return;
  }
  Rgba& pixel = At(x, y);
  const float a = std::min(coverage, 1.0f) * colour[3] / 255.0f;
  const float below = pixel[3] / 255.0f * (1.0f - a);
  const float outAlpha = a + below;
  if (outAlpha <= 0.0f) {
    return;
  }
  for (int channel = 0; channel < 3; ++channel) {
    const float mixed = (colour[channel] * a + pixel[channel] * below) / outAlpha;
    pixel[channel] = static_cast<std::uint8_t>(mixed + 0.5f);
  }
  pixel[3] = static_cast<std::uint8_t>(outAlpha * 255.0f + 0.5f);
}

std::vector<std::uint8_t> RgbaImage::ToTga(bool withAlpha) const {
  const std::uint8_t bits = withAlpha ? 32 : 24;
  std::vector<std::uint8_t> out = {0,
                                   0,
                                   2,
                                   0,
                                   0,
                                   0,
                                   0,
                                   0,
                                   0,
                                   0,
                                   0,
                                   0,
                                   static_cast<std::uint8_t>(width_),
                                   static_cast<std::uint8_t>(width_ >> 8),
                                   static_cast<std::uint8_t>(height_),
                                   static_cast<std::uint8_t>(height_ >> 8),
                                   bits,
                                   static_cast<std::uint8_t>(withAlpha ? 8 : 0)};
  for (int y = height_ - 1; y >= 0; --y) {
    for (int x = 0; x < width_; ++x) {
      const Rgba& pixel = At(x, y);
      out.insert(out.end(), {pixel[2], pixel[1], pixel[0]});
      if (withAlpha) {
        out.push_back(pixel[3]);
      }
    }
  }
  return out;
}

std::vector<std::uint8_t> RgbaImage::ToJpeg(int quality) const {
  jpeg_compress_struct compressor{};
  jpeg_error_mgr errors{};
  compressor.err = jpeg_std_error(&errors);
  jpeg_create_compress(&compressor);

  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&compressor, &buffer, &size);
  compressor.image_width = static_cast<JDIMENSION>(width_);
  compressor.image_height = static_cast<JDIMENSION>(height_);
  compressor.input_components = 3;
  compressor.in_color_space = JCS_RGB;
  jpeg_set_defaults(&compressor);
  jpeg_set_quality(&compressor, quality, TRUE);
  jpeg_start_compress(&compressor, TRUE);

  std::vector<JSAMPLE> row(static_cast<std::size_t>(width_) * 3);
  while (compressor.next_scanline < compressor.image_height) {
    const int y = height_ - 1 - static_cast<int>(compressor.next_scanline);
    for (int x = 0; x < width_; ++x) {
      for (int channel = 0; channel < 3; ++channel) {
        row[static_cast<std::size_t>(x) * 3 + channel] = At(x, y)[channel];
      }
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&compressor, rows, 1);
  }
  jpeg_finish_compress(&compressor);
  jpeg_destroy_compress(&compressor);

  std::vector<std::uint8_t> out(buffer, buffer + size);
  std::free(buffer);
  return out;
}
