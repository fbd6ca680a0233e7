// What each Breakdown level asks of the player: how many rows to push in, the
// colours in play, how fast the supply ring fills, and how often which goody comes.
#pragma once

#include <cstdint>
#include <map>
#include <string>

struct LevelRules {
  static constexpr std::uint16_t kLastLevel = 10;

  // Levels past the last play on at the last level's pace; 0 plays as level 1.
  static const LevelRules& For(std::uint32_t level);

  std::uint16_t level;
  std::uint32_t rowsToClear;
  std::uint16_t colours;
  std::uint32_t firstInterval;  // ms per supply block at the level's start
  std::uint32_t lastInterval;   // ms per supply block when the last row is due
  std::uint32_t goodyGap;       // plain blocks between two chances of a goody
  float goodyChance;
  // Goody class name to its share of the goodies; the shares add up to 1.
  std::map<std::string, float> goodyWeights;
};
