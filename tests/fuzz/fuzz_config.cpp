// Any settings file: reading never fails hard, and what it read saves and
// reads back to the same record.
#include <cstdlib>
#include <sstream>

#include "core/OConfig.h"

namespace {

bool SameRecord(const OConfig& a, const OConfig& b) {
  return a.displayMode == b.displayMode && a.colourDepth == b.colourDepth && a.fullScreen == b.fullScreen &&
         a.textureQuality == b.textureQuality && a.modelDetail == b.modelDetail && a.soundOn == b.soundOn &&
         a.musicOn == b.musicOn && a.soundVolume == b.soundVolume && a.musicVolume == b.musicVolume &&
         a.skill == b.skill && a.startLevel == b.startLevel && a.showGroups == b.showGroups &&
         a.skin == b.skin;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream file(std::string(reinterpret_cast<const char*>(data), size));
  OConfig config("unused");
  config.ReadFrom(file);

  std::stringstream saved;
  config.WriteTo(saved);
  OConfig reread("unused");
  reread.ReadFrom(saved);
  if (!SameRecord(config, reread)) {
    std::abort();
  }
  return 0;
}
