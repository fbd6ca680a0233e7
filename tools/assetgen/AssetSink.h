// Where the asset generator puts what it makes: archive members under
// OUT/archive/ by their full names ("Data/Textures/Menu.jpg"), and the sound
// effects under OUT/Sounds/, which the game reads as plain files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class AssetSink {
 public:
  explicit AssetSink(std::filesystem::path folder);

  void AddArchiveMember(const std::string& name, const std::vector<std::uint8_t>& bytes);
  void AddSound(const std::string& fileName, const std::vector<std::uint8_t>& bytes);

  // Every archive member written so far, by full name.
  const std::vector<std::string>& ArchiveMembers() const { return archiveMembers_; }

 private:
  static void Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

  std::filesystem::path folder_;
  std::vector<std::string> archiveMembers_;
};
