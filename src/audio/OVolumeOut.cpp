#include "audio/OVolumeOut.h"

#include "platform/Audio.h"

OVolumeOut::OVolumeOut(std::uint32_t kind) : kind_(kind) {}

bool OVolumeOut::HasVolumeControl() const { return platform::AudioIsOpen(); }

void OVolumeOut::Unmute() {
  muted_ = false;
  ApplyGain();
}

void OVolumeOut::Mute() {
  muted_ = true;
  ApplyGain();
}

std::uint32_t OVolumeOut::GetSteps() const { return HasVolumeControl() ? kMaximum + 1 : kNoControl; }

std::uint32_t OVolumeOut::GetMinimum() const { return HasVolumeControl() ? 0 : kNoControl; }

std::uint32_t OVolumeOut::GetMaximum() const { return HasVolumeControl() ? kMaximum : kNoControl; }

std::uint32_t OVolumeOut::GetVolume() const { return HasVolumeControl() ? volume_ : kNoControl; }

void OVolumeOut::SetVolume(std::uint32_t value) {
  if (!HasVolumeControl() || value > kMaximum) {
    return;
  }
  volume_ = value;
  ApplyGain();
}

OVolumeOut::ChangeCallback OVolumeOut::SetCallback(ChangeCallback callback, std::uint32_t user) {
  callback_ = callback;
  callbackUser_ = user;
  return callback;
}

void OVolumeOut::ApplyGain() const {
  const std::uint32_t gain = muted_ ? 0 : (volume_ * 128 + kMaximum / 2) / kMaximum;
  platform::SetEffectsGain(static_cast<int>(gain));
}
