#include "core/OConfig.h"

#include <fstream>
#include <sstream>

#include "platform/Files.h"

namespace {

// Formatted extraction into a copy, so a value that does not parse leaves the
// field as it was. Once the stream has failed, nothing more is taken from it.
template <typename T>
void Extract(std::istream& in, T& field) {
  T value{};
  if (in >> value) {
    field = value;
  }
}

}  // namespace

OConfig::OConfig(std::string path) : fileName(std::move(path)) { SetDefaults(); }

OConfig& OConfig::Instance() {
  static OConfig config;
  return config;
}

void OConfig::SetDefaults() {
  displayMode = 0;
  colourDepth = 16;
  fullScreen = true;
  textureQuality = 10;
  modelDetail = 1;
  soundOn = true;
  musicOn = true;
  soundVolume = 16384;
  musicVolume = 50;
  skill = 0;
  startLevel = 1;
  showGroups = true;
  skin = "scr.tga";
}

bool OConfig::ResetIfDisplayModeInvalid() {
  if ((displayMode & 0xFF) <= kHighestDisplayMode) {
    return false;
  }
  SetDefaults();
  Save();
  return true;
}

bool OConfig::Load() {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) {
    Save();
    SetDefaults();
    return false;
  }
  ReadFrom(file);
  return true;
}

void OConfig::Save() const {
  std::ostringstream text;
  WriteTo(text);
  platform::ReplaceFileContents(fileName, text.str());
}

void OConfig::ReadFrom(std::istream& in) {
  Extract(in, displayMode);
  Extract(in, colourDepth);
  Extract(in, fullScreen);
  Extract(in, textureQuality);
  Extract(in, modelDetail);
  Extract(in, soundOn);
  Extract(in, musicOn);
  Extract(in, soundVolume);
  Extract(in, musicVolume);
  Extract(in, skill);
  Extract(in, showGroups);
  Extract(in, startLevel);
  Extract(in, skin);
}

void OConfig::WriteTo(std::ostream& out) const {
  out << displayMode << '\n'
      << colourDepth << '\n'
      << fullScreen << '\n'
      << textureQuality << '\n'
      << modelDetail << '\n'
      << soundOn << '\n'
      << musicOn << '\n'
      << soundVolume << '\n'
      << musicVolume << '\n'
      << skill << '\n'
      << showGroups << '\n'
      << startLevel << '\n'
      << skin << '\n';
}
