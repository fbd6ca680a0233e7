// Any bytes as a music module: the player opens them or refuses them, and a
// module it opens plays its first moments, picks up from a saved place, and
// never crashes, hangs or writes past the sound buffer.
#include <array>
#include <cstdint>
#include <vector>

#include "audio/OModule.h"
#include "platform/Audio.h"

namespace {

// What the sound device asks for at a time, and long enough a stretch for
// a module's first notes and effects to run: 300 ms.
constexpr int kBufferFrames = 1024;
constexpr int kFramesToPlay = platform::kAudioRate * 3 / 10;

void Play(OModule& module, int volume) {
  std::array<std::int16_t, kBufferFrames * 2> buffer{};
  for (int played = 0; played < kFramesToPlay;) {
    const int rendered = module.Render(buffer.data(), kBufferFrames, volume);
    if (rendered == 0) {
      return;
    }
    played += rendered;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  std::uint32_t saved = 0;
  if (auto module = OModule::Open(bytes, 0)) {
    Play(*module, 100);
    saved = module->Position();
  }
  // The player comes back to a list where it left off, at a lower volume.
  if (saved != 0) {
    if (auto module = OModule::Open(bytes, saved)) {
      Play(*module, 37);
    }
  }
  return 0;
}
