#include "audio/OSound.h"

#include <cmath>
#include <fstream>
#include <optional>

namespace {

constexpr int kVoiceChannel = 0;

// Far above any effect; a folder in place of a file says it is larger still.
constexpr std::streamoff kLargestSoundFile = std::streamoff{64} << 20;

// One read of the known size: the effects are read at every start, and a
// byte at a time was the start-up's largest cost in the game's own code.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  const std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : -1;
  if (size < 0 || size > kLargestSoundFile) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  file.seekg(0);
  if (!file.read(reinterpret_cast<char*>(bytes.data()), size)) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

OSound::OSound() : previousWaveVolume_(volumeOut_.GetVolume()) {}

OSound::~OSound() { Release(); }

bool OSound::Init(std::uint32_t mode) {
  if (mode == mode_) {
    return true;
  }
  if (mode_ == kChannels) {
    mode_ = kSingleVoice;
    return true;
  }
  if (!platform::OpenAudio()) {
    return false;
  }
  platform::SetChannelCount(nextChannel_);
  for (auto& [id, entry] : sounds_) {
    MakeChunk(entry);
  }
  mode_ = kChannels;
  return true;
}

bool OSound::Load(std::int32_t id, const std::string& path) {
  Unload(id);
  std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path);
  if (!bytes) {
    return false;
  }
  Entry& entry = sounds_[id];
  entry.path = path;
  entry.bytes = std::move(*bytes);
  entry.channel = nextChannel_++;
  platform::SetChannelCount(nextChannel_);
  MakeChunk(entry);
  return true;
}

void OSound::MakeChunk(Entry& entry) {
  if (!entry.chunk) {
    entry.chunk = platform::MakeSoundChunk(entry.bytes);
  }
}

void OSound::Play(std::int32_t id, bool restart) {
  const auto found = sounds_.find(id);
  if (found == sounds_.end() || !effectsEnabled) {
    return;
  }
  Entry& entry = found->second;
  MakeChunk(entry);
  if (!entry.chunk) {
    return;
  }
  if (mode_ == kChannels) {
    platform::SetChannelVolume(entry.channel, ChannelGainOf(AttenuationOf(volume_)));
    platform::PlayOnChannel(entry.channel, *entry.chunk, restart);
  } else {
    platform::SetChannelVolume(kVoiceChannel, 128);
    platform::PlayOnChannel(kVoiceChannel, *entry.chunk, restart);
  }
}

void OSound::Unload(std::int32_t id) {
  if (id == -1) {
    sounds_.clear();
  } else {
    sounds_.erase(id);
  }
}

void OSound::SetVolume(std::uint32_t volume) {
  volume_ = volume;
  if (mode_ == kSingleVoice) {
    volumeOut_.SetVolume(volume);
  }
}

void OSound::Release() {
  Unload(-1);
  if (mode_ == kSingleVoice) {
    volumeOut_.SetVolume(previousWaveVolume_);
  }
}

std::int32_t OSound::AttenuationOf(std::uint32_t volume) {
  return static_cast<std::int32_t>(static_cast<double>(volume) / 65535.0 * 3000.0 - 3000.0);
}

int OSound::ChannelGainOf(std::int32_t attenuation) {
  return static_cast<int>(std::lround(128.0 * std::pow(10.0, attenuation / 2000.0)));
}
