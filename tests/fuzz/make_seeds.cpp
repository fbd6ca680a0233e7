// Writes a starting corpus for each fuzz target into the folder it is given,
// made by the project's own writers so that no binary file is committed.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "assetgen/ItFile.h"
#include "assetgen/ModFile.h"
#include "assetgen/Tunes.h"
#include "asvm/AsvmWriter.h"
#include "screens/ScoreTable.h"
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

// A canonical 16-bit mono WAV of a short rising ramp.
std::vector<std::uint8_t> WavFile(int sampleCount) {
  std::vector<std::uint8_t> file;
  auto text = [&](const char* four) { file.insert(file.end(), four, four + 4); };
  auto number = [&](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
      file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
  };
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(sampleCount) * 2;
  text("RIFF");
  number(36 + dataBytes, 4);
  text("WAVE");
  text("fmt ");
  number(16, 4);
  number(1, 2);          // PCM
  number(1, 2);          // mono
  number(44100, 4);      // samples per second
  number(44100 * 2, 4);  // bytes per second
  number(2, 2);          // bytes per sample frame
  number(16, 2);         // bits per sample
  text("data");
  number(dataBytes, 4);
  for (int i = 0; i < sampleCount; ++i) {
    number(static_cast<std::uint32_t>(i * 97), 2);
  }
  return file;
}

// A top-ten file as the game saves it, names with spaces and underscores included.
void WriteScores(const fs::path& path, int count) {
  ScoreTable table(path.string());
  for (int i = 0; i < count; ++i) {
    const std::string name = i % 3 == 0 ? "Ann Lee" : "Bo_" + std::to_string(i);
    table.Insert(ScoreRecord{i % 2, name, 1000 - 37 * i});
  }
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
  const std::vector<std::uint8_t> ramp = WavFile(64);
  Write(folder / "fuzz_wav/ramp.wav", ramp);
  // Cut short inside its sound data, as an interrupted copy leaves a file.
  Write(folder / "fuzz_wav/cut.wav", {ramp.begin(), ramp.end() - 28});
  std::vector<std::uint8_t> boasting = ramp;
  boasting[43] = 0xAC;  // a data chunk claiming gigabytes
  Write(folder / "fuzz_wav/boasting.wav", boasting);
  WriteScores(folder / "fuzz_score/full.dat", 10);
  WriteScores(folder / "fuzz_score/three.dat", 3);
  // The game's own three modules, as the asset generator writes them.
  Write(folder / "fuzz_module/lefoly.mod", EncodeMod(LefolyTune()));
  Write(folder / "fuzz_module/magpot.mod", EncodeMod(MagpotTune()));
  Write(folder / "fuzz_module/menu.it", EncodeIt(MenuTune()));
  return 0;
}
