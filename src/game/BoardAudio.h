// The sounds the rules ask for, by identifier or by sound group, and the music
// stop at the end of a game.
#pragma once

#include <cstdint>

class BoardAudio {
 public:
  static constexpr std::uint32_t kClickGroup = 0;
  static constexpr std::uint32_t kRotateRing = 6;
  static constexpr std::uint32_t kLandingGroup = 12;
  static constexpr std::uint32_t kExtraPoints = 14;
  static constexpr std::uint32_t kWin = 17;
  static constexpr std::uint32_t kLose = 18;

  virtual ~BoardAudio() = default;
  virtual void PlaySound(std::uint32_t sound) = 0;
  // A group plays its sounds in turn, so repeated events do not sound the same.
  virtual void PlayGroup(std::uint32_t group) = 0;
  virtual void StopMusic() = 0;
};
