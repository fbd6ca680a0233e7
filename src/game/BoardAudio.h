// The sounds the rules ask for, by identifier or by sound group, and the music
// stop at the end of a game (and its start again when a move is taken back).
#pragma once

#include <cstdint>

class BoardAudio {
 public:
  static constexpr std::uint32_t kClickGroup = 0;
  static constexpr std::uint32_t kRotateRing = 6;
  static constexpr std::uint32_t kAddRowGroup = 7;
  static constexpr std::uint32_t kAddBlock = 8;
  static constexpr std::uint32_t kExplosionGroup = 11;
  static constexpr std::uint32_t kLandingGroup = 12;
  static constexpr std::uint32_t kSmashRing = 13;
  static constexpr std::uint32_t kExtraPoints = 14;
  static constexpr std::uint32_t kCountPoints = 15;
  static constexpr std::uint32_t kLevelOver = 16;
  static constexpr std::uint32_t kWin = 17;
  static constexpr std::uint32_t kLose = 18;
  static constexpr std::uint32_t kAlarm = 19;

  virtual ~BoardAudio() = default;
  virtual void PlaySound(std::uint32_t sound) = 0;
  // A group plays its sounds in turn, so repeated events do not sound the same.
  virtual void PlayGroup(std::uint32_t group) = 0;
  virtual void StopMusic() = 0;
  virtual void ResumeMusic() {}
};
