// Every user setting, kept in one record that lives in the text file
// "Data/Config.Cfg". Users read and write the fields directly.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

class OConfig {
 public:
  static constexpr const char* kDefaultFileName = "Data/Config.Cfg";
  static constexpr std::int32_t kHighestDisplayMode = 2;

  explicit OConfig(std::string path = kDefaultFileName);

  // The game's own record, made with the defaults on first use.
  static OConfig& Instance();

  // Reads the file into the record. A missing file is written from the values
  // in memory and the record falls back to the defaults; returns false then.
  // Reading stops at the first value that does not parse: that field and every
  // later one keep the values they had.
  bool Load();
  // Writes the record. A failed write leaves the old file as it was.
  void Save() const;
  // Every field but the file name back to its default.
  void SetDefaults();
  // A display mode whose low byte names no mode means the file was not ours to
  // trust: every setting goes back to its default and is saved. Returns true then.
  bool ResetIfDisplayModeInvalid();

  // The file's thirteen lines, one value each, show groups before start level.
  void ReadFrom(std::istream& in);
  void WriteTo(std::ostream& out) const;

  std::int32_t displayMode;  // 0 = 640 x 480, 1 = 800 x 600, 2 = 1024 x 768; low byte used
  std::int32_t colourDepth;  // 16 or 32; low byte used
  bool fullScreen;
  std::int32_t textureQuality;  // texture filter mode 0..10
  std::int32_t modelDetail;     // 1 low, 2 high
  bool soundOn;
  bool musicOn;
  std::int32_t soundVolume;  // 0..65535
  std::int32_t musicVolume;  // 0..100
  std::int32_t skill;        // 0 Easy, 1 Normal
  std::int32_t startLevel;   // 1..10
  bool showGroups;
  std::string skin;  // texture name of the board skin
  std::string fileName;
};
