// A scratch game folder for the programs in bench/: the built game's data
// linked in, the folder made current, no sound device needed. The caller
// writes the settings it wants into Data/Config.Cfg.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

inline std::filesystem::path EnterNewScratchGameFolder(const std::string& name) {
  namespace fs = std::filesystem;
  const fs::path scratch = fs::temp_directory_path() / name;
  fs::remove_all(scratch);
  fs::create_directories(scratch / "Data");
  fs::create_symlink(fs::path(TORNET_GAME_DIR) / "Data/Resource.Ztr", scratch / "Data/Resource.Ztr");
  fs::create_directory_symlink(fs::path(TORNET_GAME_DIR) / "Data/Sounds", scratch / "Data/Sounds");
  fs::current_path(scratch);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  return scratch;
}
