// Writes a starting corpus for each fuzz target into the folder it is given,
// made by the project's own writers so that no binary file is committed.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "assetgen/ItFile.h"
#include "assetgen/ModFile.h"
#include "assetgen/Tunes.h"
#include "assetgen/Wav.h"
#include "asvm/AsvmWriter.h"
#include "screens/ScoreTable.h"
#include "support/TestImages.h"
#include "support/TestModels.h"
#include "ztrpack/ZtrWriter.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

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

  AsvmFile quad = QuadModel();
  Write(folder / "fuzz_asvm/quad.asvm", AsvmWriter::Write(quad));
  quad.normalIndices = true;
  Write(folder / "fuzz_asvm/quad-normals.asvm", AsvmWriter::Write(quad));

  const Rows quarters = {"RG", "BY"};
  const Rows odd = {"RGB", "CMY", "KWK"};
  Write(folder / "fuzz_tga/rgb.tga", TgaFile(odd, 24));
  Write(folder / "fuzz_tga/rgba.tga", TgaFile(quarters, 32));
  Write(folder / "fuzz_tga/grey.tga", TgaFile(odd, 8));
  Write(folder / "fuzz_jpeg/rgb.jpg", JpegFile(quarters, 16));
  Write(folder / "fuzz_jpeg/odd.jpg", JpegFile(odd, 3));
  Write(folder / "fuzz_jpeg/grey.jpg", JpegFile(odd, 5, JpegColours::kGrey));
  Write(folder / "fuzz_jpeg/cmyk.jpg", JpegFile(quarters, 8, JpegColours::kCmyk));
  // A canonical 16-bit mono WAV of a short rising ramp.
  std::vector<float> rising(64);
  for (std::size_t i = 0; i < rising.size(); ++i) {
    rising[i] = static_cast<float>(i) / 64;
  }
  const std::vector<std::uint8_t> ramp = EncodeWav(rising, 44100);
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
