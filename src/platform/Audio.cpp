// Sound output through SDL_mixer.
#include "platform/Audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstring>
#include <mutex>

namespace platform {

struct SoundChunk {
  Mix_Chunk* chunk;
};

namespace {

bool audioOpen = false;
MusicRenderer musicRenderer = nullptr;
void* musicUser = nullptr;
// Guards the renderer and everything it reads; the mixer holds it on the
// audio thread for the length of one render.
std::mutex musicMutex;

void SDLCALL MixMusic(void*, Uint8* stream, int length) {
  const std::lock_guard<std::mutex> lock(musicMutex);
  auto* frames = reinterpret_cast<std::int16_t*>(stream);
  const int frameCount = length / 4;
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

// Only RIFF WAVE files, and only when every chunk they declare lies inside the
// file: the loader allocates what a header claims, so a damaged one could ask
// for gigabytes.
bool IsWholeWaveFile(const std::vector<std::uint8_t>& file) {
  constexpr std::size_t kHeaderSize = 12;
  constexpr std::size_t kChunkHeaderSize = 8;
  if (file.size() < kHeaderSize || std::memcmp(file.data(), "RIFF", 4) != 0 ||
      std::memcmp(file.data() + 8, "WAVE", 4) != 0) {
    return false;
  }
  std::size_t offset = kHeaderSize;
  while (offset + kChunkHeaderSize <= file.size()) {
    const std::uint64_t length = ReadLittleEndian32(file.data() + offset + 4);
    if (length > file.size() - offset - kChunkHeaderSize) {
      return false;
    }
    // Chunks are padded to an even length.
    offset += kChunkHeaderSize + length + (length & 1);
  }
  return true;
}

}  // namespace

bool OpenAudio() {
  if (audioOpen) {
    return true;
  }
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    return false;
  }
  if (Mix_OpenAudio(kAudioRate, AUDIO_S16SYS, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
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

void SoundChunkDeleter::operator()(SoundChunk* chunk) const {
  if (chunk != nullptr) {
    Mix_FreeChunk(chunk->chunk);
    delete chunk;
  }
}

SoundChunkPtr MakeSoundChunk(const std::vector<std::uint8_t>& wavFile) {
  if (!audioOpen || !IsWholeWaveFile(wavFile)) {
    return nullptr;
  }
  SDL_RWops* source = SDL_RWFromConstMem(wavFile.data(), static_cast<int>(wavFile.size()));
  if (source == nullptr) {
    return nullptr;
  }
  // The mixer does not close the source on every path that rejects a file, so we do.
  Mix_Chunk* chunk = Mix_LoadWAV_RW(source, 0);
  SDL_RWclose(source);
  if (chunk == nullptr) {
    return nullptr;
  }
  return SoundChunkPtr(new SoundChunk{chunk});
}

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
