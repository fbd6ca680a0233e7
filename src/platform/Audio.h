// Sound output: one audio device for the effects and the music. Effects play
// on mixer channels, one channel per sound; the music is rendered by the game
// into the output on the audio thread.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// The rate the device is asked for.
constexpr int kAudioRate = 44100;

// 16-bit stereo at `rate` or at the device's own rate, whichever it grants.
// Opening an open device is harmless. Without a device (no sound server, a
// machine without sound) this fails without a word and the game runs silent.
bool OpenAudio(int rate = kAudioRate);
void CloseAudio();
bool AudioIsOpen();
// Frames per second of the device last opened.
int AudioRate();

// A sound decoded for the device.
struct SoundChunk;
struct SoundChunkDeleter {
  void operator()(SoundChunk* chunk) const;
};
using SoundChunkPtr = std::unique_ptr<SoundChunk, SoundChunkDeleter>;

// Null when no device is open or the bytes are not a WAV file the mixer reads.
SoundChunkPtr MakeSoundChunk(const std::vector<std::uint8_t>& wavFile);
// How long a sound lasts, in frames at the device's rate.
int SoundChunkFrames(const SoundChunk& chunk);

void SetChannelCount(int count);
// With restart the channel starts the sound from its beginning; without, a
// channel still playing goes on and the request is dropped.
void PlayOnChannel(int channel, SoundChunk& chunk, bool restart);
bool ChannelIsPlaying(int channel);
// 0 (silent) to 128 (as recorded).
void SetChannelVolume(int channel, int volume);
// The gain of every effect channel together, 0 to 128. The music is not affected.
void SetEffectsGain(int volume);

// Fills `frameCount` interleaved 16-bit stereo frames at AudioRate(); runs on
// the audio thread.
using MusicRenderer = void (*)(void* user, std::int16_t* frames, int frameCount);
// Installs the renderer (null for none).
void SetMusicRenderer(MusicRenderer renderer, void* user);

// Held while the game thread changes what the music renderer reads.
class AudioLock {
 public:
  AudioLock();
  ~AudioLock();
  AudioLock(const AudioLock&) = delete;
  AudioLock& operator=(const AudioLock&) = delete;
};

}  // namespace platform
