#include "assetgen/AssetSink.h"

#include <fstream>
#include <stdexcept>

AssetSink::AssetSink(std::filesystem::path folder) : folder_(std::move(folder)) {
  std::filesystem::create_directories(folder_ / "archive" / "Data");
  std::filesystem::create_directories(folder_ / "Sounds");
}

void AssetSink::AddArchiveMember(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  Write(folder_ / "archive" / name, bytes);
  archiveMembers_.push_back(name);
}

void AssetSink::AddSound(const std::string& fileName, const std::vector<std::uint8_t>& bytes) {
  Write(folder_ / "Sounds" / fileName, bytes);
}

void AssetSink::Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) {
    throw std::runtime_error("can't write " + path.string());
  }
}
