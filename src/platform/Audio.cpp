// Sound output through SDL_mixer.
#include "platform/Audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <cstdint>
#include <cstring>
#include <mutex>
#include <utility>

namespace platform {

struct SoundChunk {
  Mix_Chunk* chunk;
};

namespace {

// 16-bit stereo: what the mixer hands the game, whatever the device plays.
constexpr int kBytesPerFrame = 4;

bool audioOpen = false;
int deviceRate = kAudioRate;
MusicRenderer musicRenderer = nullptr;
void* musicUser = nullptr;
// Guards the renderer and everything it reads; the mixer holds it on the
// audio thread for the length of one render.
std::mutex musicMutex;

void SDLCALL MixMusic(void*, Uint8* stream, int length) {
  const std::lock_guard<std::mutex> lock(musicMutex);
  auto* frames = reinterpret_cast<std::int16_t*>(stream);
  const int frameCount = length / kBytesPerFrame;
  if (musicRenderer != nullptr) {
    musicRenderer(musicUser, frames, frameCount);
  } else {
    SDL_memset(stream, 0, static_cast<std::size_t>(length));
  }
}

std::uint32_t ReadLittleEndian32(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void WriteLittleEndian32(std::uint8_t* bytes, std::size_t value) {
  for (int i = 0; i < 4; ++i) {
    bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

constexpr std::size_t kRiffHeaderSize = 12;
constexpr std::size_t kChunkHeaderSize = 8;
// Where the format chunk keeps the frames per second (32 bits) and the bits
// of a sample (16 bits).
constexpr std::size_t kSampleRateAt = 4;
constexpr std::size_t kSampleBitsAt = 14;

// What a RIFF WAVE file holds, as far as the loader must know before it is
// given the bytes: the loader allocates what a chunk header claims, so a
// damaged one could ask for gigabytes. Only the sound data may run past the
// end of the file, as it does in a file cut short.
struct WaveLayout {
  bool readable = false;
  std::size_t cutDataChunk = 0;     // where a data chunk that runs past the end starts; 0 for none
  std::uint64_t cutDataPlayed = 0;  // how much of that chunk plays, with the silence added
  std::uint64_t dataBytes = 0;      // of sound data the loader will hold
  std::uint32_t sampleRate = 0;
  bool eightBit = false;  // whose silence is 128, not 0
};

void ReadFormat(const std::uint8_t* format, WaveLayout& layout) {
  layout.sampleRate = ReadLittleEndian32(format + kSampleRateAt);
  layout.eightBit = format[kSampleBitsAt] == 8 && format[kSampleBitsAt + 1] == 0;
}

WaveLayout ReadWaveLayout(const std::vector<std::uint8_t>& file) {
  WaveLayout layout;
  if (file.size() < kRiffHeaderSize || std::memcmp(file.data(), "RIFF", 4) != 0 ||
      std::memcmp(file.data() + 8, "WAVE", 4) != 0) {
    return layout;
  }
  std::size_t offset = kRiffHeaderSize;
  while (offset + kChunkHeaderSize <= file.size()) {
    const std::uint8_t* chunk = file.data() + offset;
    const bool isData = std::memcmp(chunk, "data", 4) == 0;
    const std::uint64_t length = ReadLittleEndian32(chunk + 4);
    const std::uint64_t present = file.size() - offset - kChunkHeaderSize;
    if (length > present) {
      if (!isData) {
        return layout;
      }
      // A file cut short inside its sound data plays what it holds, padded
      // with silence up to the length its data chunk claims. A claim larger
      // than the whole file is no cut but a damaged header: then only what is
      // there plays, so that a header never makes the game hold more than
      // the file itself.
      layout.cutDataChunk = offset;
      layout.cutDataPlayed = length <= file.size() ? length : present;
      layout.dataBytes += layout.cutDataPlayed;
      break;
    }
    if (isData) {
      layout.dataBytes += length;
    } else if (std::memcmp(chunk, "fmt ", 4) == 0 && length >= kSampleBitsAt + 2) {
      ReadFormat(chunk + kChunkHeaderSize, layout);
    }
    // Chunks are padded to an even length.
    offset += kChunkHeaderSize + length + (length & 1);
  }
  layout.readable = true;
  return layout;
}

// The mixer works out the size of a sound converted for the device in an
// int, so a sound whose samples would not fit once made 32-bit stereo at the
// device's rate is refused; so is a rate far below any recording's, which
// only a damaged header gives and which would swell a few bytes into
// minutes of sound.
bool FitsTheMixer(const WaveLayout& layout) {
  constexpr std::uint32_t kLowestRate = 1000;
  // A byte of 4-bit mono samples becomes 16 of 32-bit stereo ones, and the
  // resampler asks for room to spare.
  constexpr std::uint64_t kLargestGrowth = 32;
  if (layout.sampleRate < kLowestRate) {
    return false;
  }
  const std::uint64_t stretch =
      (static_cast<std::uint64_t>(deviceRate) + layout.sampleRate - 1) / layout.sampleRate;
  return layout.dataBytes * kLargestGrowth * stretch <= static_cast<std::uint64_t>(INT32_MAX);
}

std::vector<std::uint8_t> MendCutWaveFile(const std::vector<std::uint8_t>& file, const WaveLayout& layout) {
  std::vector<std::uint8_t> mended = file;
  mended.resize(layout.cutDataChunk + kChunkHeaderSize + layout.cutDataPlayed, layout.eightBit ? 128 : 0);
  WriteLittleEndian32(mended.data() + layout.cutDataChunk + 4, layout.cutDataPlayed);
  return mended;
}

Mix_Chunk* DecodeWaveFile(const std::vector<std::uint8_t>& file) {
  SDL_RWops* source = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
  if (source == nullptr) {
    return nullptr;
  }
  // The mixer does not close the source on every path that rejects a file, so we do.
  Mix_Chunk* chunk = Mix_LoadWAV_RW(source, 0);
  SDL_RWclose(source);
  return chunk;
}

using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);

void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Without a sound card alsa-lib prints a score of lines of its own to the
// terminal each time a device is tried. The game says once that it runs
// without sound instead. The library stays loaded for the whole run so that
// SDL, which loads it by the same name, finds the quiet handler in place.
void QuietenAlsa() {
  static bool tried = false;
  if (std::exchange(tried, true)) {
    return;
  }
  void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
  if (alsa == nullptr) {
    return;
  }
  using SetHandler = int (*)(AlsaErrorHandler);
  if (auto setHandler = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) {
    setHandler(IgnoreAlsaError);
  }
}

}  // namespace

bool OpenAudio(int rate) {
  if (audioOpen) {
    return true;
  }
  QuietenAlsa();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    return false;
  }
  // The device keeps its own rate, which the music is rendered at; SDL turns
  // our 16-bit stereo into whatever samples and channels the device takes.
  if (Mix_OpenAudioDevice(rate, AUDIO_S16SYS, 2, 1024, nullptr, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_QuerySpec(&deviceRate, nullptr, nullptr);
  Mix_HookMusic(MixMusic, nullptr);
  audioOpen = true;
  return true;
}

void CloseAudio() {
  if (!audioOpen) {
    return;
  }
  Mix_HookMusic(nullptr, nullptr);
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  audioOpen = false;
}

bool AudioIsOpen() { return audioOpen; }

int AudioRate() { return deviceRate; }

void SoundChunkDeleter::operator()(SoundChunk* chunk) const {
  if (chunk != nullptr) {
    Mix_FreeChunk(chunk->chunk);
    delete chunk;
  }
}

SoundChunkPtr MakeSoundChunk(const std::vector<std::uint8_t>& wavFile) {
  const WaveLayout layout = ReadWaveLayout(wavFile);
  if (!audioOpen || !layout.readable || !FitsTheMixer(layout)) {
    return nullptr;
  }
  Mix_Chunk* chunk =
      layout.cutDataChunk == 0 ? DecodeWaveFile(wavFile) : DecodeWaveFile(MendCutWaveFile(wavFile, layout));
  if (chunk == nullptr) {
    return nullptr;
  }
  return SoundChunkPtr(new SoundChunk{chunk});
}

int SoundChunkFrames(const SoundChunk& chunk) { return static_cast<int>(chunk.chunk->alen / kBytesPerFrame); }

void SetChannelCount(int count) {
  if (audioOpen) {
    Mix_AllocateChannels(count);
  }
}

void PlayOnChannel(int channel, SoundChunk& chunk, bool restart) {
  if (!audioOpen) {
    return;
  }
  if (Mix_Playing(channel) != 0) {
    if (!restart) {
      return;
    }
    Mix_HaltChannel(channel);
  }
  Mix_PlayChannel(channel, chunk.chunk, 0);
}

bool ChannelIsPlaying(int channel) { return audioOpen && Mix_Playing(channel) != 0; }

void SetChannelVolume(int channel, int volume) {
  if (audioOpen) {
    Mix_Volume(channel, volume);
  }
}

void SetEffectsGain(int volume) {
  if (audioOpen) {
    Mix_MasterVolume(volume);
  }
}

void SetMusicRenderer(MusicRenderer renderer, void* user) {
  AudioLock lock;
  musicRenderer = renderer;
  musicUser = user;
}

AudioLock::AudioLock() { musicMutex.lock(); }

AudioLock::~AudioLock() { musicMutex.unlock(); }

}  // namespace platform
