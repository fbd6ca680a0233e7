// The volume of the game's own effects output: one gain over every effect
// channel, 0 to 65535. The game never changes the desktop's mixer.
#pragma once

#include <cstdint>

class OVolumeOut {
 public:
  static constexpr std::uint32_t kNoControl = 0xFFFFFFFFu;
  static constexpr std::uint32_t kMaximum = 65535;

  using ChangeCallback = void (*)(std::uint32_t value, std::uint32_t user);

  // Kind 0 is the effects output, the only kind the game uses.
  explicit OVolumeOut(std::uint32_t kind = 0);
  virtual ~OVolumeOut() = default;

  // There is a volume to control only while a sound device is open.
  virtual bool HasVolumeControl() const;
  virtual void Unmute();
  virtual void Mute();
  // kNoControl for each of these without a control.
  virtual std::uint32_t GetSteps() const;
  virtual std::uint32_t GetMinimum() const;
  virtual std::uint32_t GetMaximum() const;
  virtual std::uint32_t GetVolume() const;
  // Values outside 0..65535 are ignored, as is everything without a control.
  virtual void SetVolume(std::uint32_t value);
  virtual ChangeCallback SetCallback(ChangeCallback callback, std::uint32_t user);

  std::uint32_t Kind() const { return kind_; }

 private:
  void ApplyGain() const;

  std::uint32_t kind_;
  std::uint32_t volume_ = kMaximum;
  bool muted_ = false;
  ChangeCallback callback_ = nullptr;
  std::uint32_t callbackUser_ = 0;
};
