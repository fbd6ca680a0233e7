// Everything the generator writes, by its path under the output folder
// ("archive/Data/Textures/Menu.jpg", "Sounds/click.wav"), made once per test
// binary.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "assetgen/AssetSink.h"
#include "assetgen/Models.h"
#include "assetgen/Music.h"
#include "assetgen/Sounds.h"
#include "assetgen/Textures.h"
#include "support/TestFiles.h"

using Files = std::map<std::string, std::vector<std::uint8_t>>;

// A fresh run of the whole generator.
inline Files Generate() {
  TempFolder folder;
  AssetSink sink(folder.Path());
  WriteTextures(sink);
  WriteModels(sink);
  WriteSounds(sink);
  WriteMusic(sink);
  Files files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path())) {
    if (entry.is_regular_file()) {
      files[std::filesystem::relative(entry.path(), folder.Path()).string()] = ReadBytes(entry.path().string());
    }
  }
  return files;
}

inline const Files& Generated() {
  static const Files files = Generate();
  return files;
}

// The bytes of an archive member by its full name; a member that was not
// written throws out_of_range.
inline const std::vector<std::uint8_t>& Member(const std::string& name) { return Generated().at("archive/" + name); }
