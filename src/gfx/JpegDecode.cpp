#include "gfx/JpegDecode.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>

// jpeglib.h needs size_t and FILE declared before it.
// clang-format off
#include <jpeglib.h>
// clang-format on

namespace {

// The whole file is in memory before decoding starts, so libjpeg reads it in
// place. Running out of bytes means the file is truncated: fill_input_buffer
// then asks libjpeg to suspend, and every decoding step reports that instead
// of waiting for bytes that will never come.
struct MemorySource : jpeg_source_mgr {
  std::span<const std::uint8_t> file;
};

void InitSource(j_decompress_ptr info) {
  auto* source = static_cast<MemorySource*>(info->src);
  source->next_input_byte = source->file.data();
  source->bytes_in_buffer = source->file.size();
}

boolean FillInputBuffer(j_decompress_ptr) { return FALSE; }

void SkipInputData(j_decompress_ptr info, long count) {
  if (count < 1) {
    return;
  }
  jpeg_source_mgr* source = info->src;
  if (static_cast<unsigned long>(count) <= source->bytes_in_buffer) {
    source->next_input_byte += count;
    source->bytes_in_buffer -= static_cast<std::size_t>(count);
  } else {
    // Skipping past the end leaves nothing to read; the next read suspends.
    source->bytes_in_buffer = 0;
  }
}

void TermSource(j_decompress_ptr) {}

// libjpeg's own error_exit ends the process. Ours jumps back to the decoder,
// which gives up on the file.
struct ErrorTrap : jpeg_error_mgr {
  std::jmp_buf jump;
};

[[noreturn]] void ErrorExit(j_common_ptr info) { std::longjmp(static_cast<ErrorTrap*>(info->err)->jump, 1); }

// Warnings about damaged but decodable data would go to stderr.
void OutputMessage(j_common_ptr) {}

// Destroys the decompressor however decoding ends, an exception included.
struct Decompressor {
  jpeg_decompress_struct info{};
  ~Decompressor() { jpeg_destroy_decompress(&info); }
};

// The steps that libjpeg may leave through ErrorExit. A longjmp skips this
// frame, so it holds nothing that needs a destructor.
bool Decode(jpeg_decompress_struct& info, MemorySource& source, ODecodedImage& image) {
  jpeg_create_decompress(&info);
  info.src = &source;
  // A suspended read (not JPEG_HEADER_OK, false, 0 rows) means the file ended early.
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    return false;
  }
  if (info.out_color_space != JCS_GRAYSCALE && info.out_color_space != JCS_RGB) {
    return false;
  }
  if (info.image_width > kLargestJpegSide || info.image_height > kLargestJpegSide) {
    return false;
  }
  if (!jpeg_start_decompress(&info)) {
    return false;
  }
  if (info.output_components != 1 && info.output_components != 3) {
    return false;
  }
  image.width = static_cast<int>(info.output_width);
  image.height = static_cast<int>(info.output_height);
  image.components = info.output_components;
  image.bytesPerPixel = info.output_components;
  image.format = info.output_components == 1 ? GL_LUMINANCE : GL_RGB;
  image.pixels.assign(static_cast<std::size_t>(image.width) * image.height * 3, 0);

  const std::size_t rowSize = static_cast<std::size_t>(image.width) * image.components;
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.pixels.data() + info.output_scanline * rowSize;
    if (jpeg_read_scanlines(&info, &row, 1) != 1) {
      return false;
    }
  }
  return jpeg_finish_decompress(&info);
}

bool DecodeTrapped(jpeg_decompress_struct& info, ErrorTrap& trap, MemorySource& source,
                   ODecodedImage& image) {
  if (setjmp(trap.jump) != 0) {
    return false;
  }
  return Decode(info, source, image);
}

}  // namespace

std::optional<ODecodedImage> DecodeJpeg(std::span<const std::uint8_t> file) {
  ErrorTrap trap{};
  MemorySource source{};
  source.file = file;
  source.init_source = InitSource;
  source.fill_input_buffer = FillInputBuffer;
  source.skip_input_data = SkipInputData;
  source.resync_to_restart = jpeg_resync_to_restart;
  source.term_source = TermSource;

  Decompressor decompressor;
  decompressor.info.err = jpeg_std_error(&trap);
  trap.error_exit = ErrorExit;
  trap.output_message = OutputMessage;

  ODecodedImage image;
  if (!DecodeTrapped(decompressor.info, trap, source, image)) {
    return std::nullopt;
  }
  return image;
}
