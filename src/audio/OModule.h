// One music module as libopenmpt plays it: opened from the bytes of a file,
// rendered at the sound device's rate, once through. The music player and the
// module fuzz target share it, so what is fuzzed is what the game plays.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Audio.h"

struct openmpt_module;

class OModule {
 public:
  // Null when libopenmpt does not take the bytes. `position` is one made by
  // Position(); 0 plays from the beginning. `rate` is in frames per second.
  static std::unique_ptr<OModule> Open(const std::vector<std::uint8_t>& bytes, std::uint32_t position,
                                       int rate = platform::kAudioRate);
  ~OModule();
  OModule(const OModule&) = delete;
  OModule& operator=(const OModule&) = delete;

  // Fills up to `frameCount` interleaved stereo frames at `volume` (0..100)
  // and returns how many it filled; 0 once the module has ended.
  int Render(std::int16_t* frames, int frameCount, int volume);
  // Where playback is now: order in the high 16 bits, row in the low.
  std::uint32_t Position() const;

 private:
  OModule(openmpt_module* module, int rate) : module_(module), rate_(rate) {}

  openmpt_module* module_;
  int rate_;
};
