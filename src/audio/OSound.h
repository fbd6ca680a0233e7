// The sound effects: WAV files played by number. In the normal mode each
// loaded number has a mixer channel of its own, so a sound loaded under three
// numbers can sound three times at once; the fallback mode has one voice that
// plays one sound at a time.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "audio/OVolumeOut.h"
#include "platform/Audio.h"

class OSound {
 public:
  static constexpr std::uint32_t kSingleVoice = 0;
  static constexpr std::uint32_t kChannels = 1;

  OSound();
  ~OSound();
  OSound(const OSound&) = delete;
  OSound& operator=(const OSound&) = delete;

  // Switches between the single voice and channels per sound. Channels need
  // a sound device: without one this returns false and the mode stays as it was.
  bool Init(std::uint32_t mode);
  // (Re)loads one sound from a plain file. False when it cannot be read whole.
  bool Load(std::int32_t id, const std::string& path);
  // Without restart a sound still playing goes on and the request is dropped.
  void Play(std::int32_t id, bool restart);
  // Forgets one sound, or all of them for -1.
  void Unload(std::int32_t id);
  // 0..65535; applied to each channel as it next plays, or to the single voice at once.
  void SetVolume(std::uint32_t volume);
  // Forgets every sound and puts the effects output back as it was found.
  void Release();

  std::uint32_t Mode() const { return mode_; }
  std::uint32_t Volume() const { return volume_; }
  bool IsLoaded(std::int32_t id) const { return sounds_.count(id) != 0; }

  // The attenuation of a volume in hundredths of a decibel: 0 at 65535, -3000 at 0.
  static std::int32_t AttenuationOf(std::uint32_t volume);
  // A channel's gain, 0..128, for an attenuation in hundredths of a decibel.
  static int ChannelGainOf(std::int32_t attenuation);

  // Written by the application (minimise, restore) and the options screen.
  bool effectsEnabled = true;

 private:
  struct Entry {
    std::string path;
    std::vector<std::uint8_t> bytes;
    platform::SoundChunkPtr chunk;
    int channel = 0;
  };

  void MakeChunk(Entry& entry);

  OVolumeOut volumeOut_;
  std::uint32_t previousWaveVolume_;
  std::uint32_t volume_ = 32768;
  std::uint32_t mode_ = kSingleVoice;
  std::map<std::int32_t, Entry> sounds_;
  // Channel 0 is the single voice; sounds get channels from 1 on.
  int nextChannel_ = 1;
};
