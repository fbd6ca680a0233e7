// Any bytes as a sound effect file: the sound device turns them into a chunk
// or refuses them, and never crashes or reads past the file.
#include <cstdlib>
#include <vector>

#include "platform/Audio.h"

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  // A device that plays nowhere, so that chunks are really made.
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  if (!platform::OpenAudio()) {
    std::abort();
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const platform::SoundChunkPtr chunk =
      platform::MakeSoundChunk(std::vector<std::uint8_t>(data, data + size));
  (void)chunk;
  return 0;
}
