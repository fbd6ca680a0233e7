// The numbers the game plays its effects by, and the files behind them. The
// frequent sounds are loaded under three numbers each, so that up to three of
// them can sound at once.
#pragma once

#include <cstdint>
#include <string>

class OSound;

namespace GameSounds {

enum Id : std::int32_t {
  kClick = 1,
  kAction = 3,
  kRotateRing = 6,
  kAddBlock = 8,
  kSmashRing = 13,
  kExtraPoints = 14,
  kCountPoints = 15,
  kLevelOver = 16,
  kWin = 17,
  kLoose = 18,
  kAlarm = 19,
  kExplosion = 20,   // and 21, 22
  kBlockClick = 23,  // and 24, 25
  kAddRing = 26,     // and 27, 28
  kFallDown = 29,    // and 30, 31
};

constexpr const char* kFolder = "Data/Sounds/";

// Loads every effect in the order start-up gives them. Returns false when any
// file could not be read; the others are loaded all the same.
bool LoadAll(OSound& sound, const std::string& folder = kFolder);

}  // namespace GameSounds
