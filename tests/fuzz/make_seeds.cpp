// Writes a starting corpus for each fuzz target into the folder it is given,
// made by the project's own writers so that no binary file is committed.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "asvm/AsvmWriter.h"
#include "support/TestImages.h"
#include "ztrpack/ZtrWriter.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

AsvmFile Quad(bool normalIndices) {
  AsvmFile model;
  model.texture1 = "scr.tga";
  model.normalIndices = normalIndices;
  model.positions = {{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}};
  model.texCoords = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  AsvmFile::Object face;
  face.faces = {{{{1, 1}, {2, 2}, {3, 3}}}, {{{1, 1}, {3, 3}, {4, 4}}}};
  AsvmFile::Object highlight = face;
  highlight.material.diffuse = {1, 1, 0, 1};
  model.objects = {face, highlight};
  return model;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make_seeds FOLDER\n", stderr);
    return 2;
  }
  const fs::path folder = argv[1];

  ZtrWriter archive;
  archive.Add("Data/Textures/Menu.jpg", Bytes("not really a picture"));
  archive.Add("Data/Models/Hi/yellow.Asvm", std::vector<std::uint8_t>(3000, 0x41));
  archive.Add("DATA/textures/menu.JPG", Bytes("a later duplicate"));
  Write(folder / "fuzz_archive/seed.Ztr", archive.Build());

  Write(folder / "fuzz_asvm/quad.asvm", AsvmWriter::Write(Quad(false)));
  Write(folder / "fuzz_asvm/quad-normals.asvm", AsvmWriter::Write(Quad(true)));

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
