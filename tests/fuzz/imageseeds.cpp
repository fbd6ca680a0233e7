// Writes the seeds of the image fuzz targets into FOLDER/fuzz_tga and
// FOLDER/fuzz_jpeg. Seeds are made at fuzz time so that no picture is committed.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "support/TestImages.h"

namespace {

void Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: imageseeds FOLDER\n", stderr);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const Rows quarters = {"RG", "BY"};
  const Rows odd = {"RGB", "CMY", "KWK"};
  Write(folder / "fuzz_tga/rgb.tga", TgaFile(odd, 24));
  Write(folder / "fuzz_tga/rgba.tga", TgaFile(quarters, 32));
  Write(folder / "fuzz_tga/grey.tga", TgaFile(odd, 8));
  Write(folder / "fuzz_jpeg/rgb.jpg", JpegFile(quarters, 16));
  Write(folder / "fuzz_jpeg/odd.jpg", JpegFile(odd, 3));
  Write(folder / "fuzz_jpeg/grey.jpg", JpegFile(odd, 5, JpegColours::kGrey));
  Write(folder / "fuzz_jpeg/cmyk.jpg", JpegFile(quarters, 8, JpegColours::kCmyk));
  return 0;
}
