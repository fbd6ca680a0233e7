#include "audio/GameSounds.h"

#include <utility>

#include "audio/OSound.h"

namespace GameSounds {

bool LoadAll(OSound& sound, const std::string& folder) {
  const std::pair<std::int32_t, const char*> files[] = {
      {kAction, "action.wav"},
      {kClick, "click.wav"},
      {kBlockClick, "click.wav"},
      {kBlockClick + 1, "click.wav"},
      {kBlockClick + 2, "click.wav"},
      {kExplosion, "explosion.wav"},
      {kExplosion + 1, "explosion.wav"},
      {kExplosion + 2, "explosion.wav"},
      {kFallDown, "fall_down.wav"},
      {kFallDown + 1, "fall_down.wav"},
      {kFallDown + 2, "fall_down.wav"},
      {kAddBlock, "add_block.wav"},
      {kAddRing, "add_ring.wav"},
      {kAddRing + 1, "add_ring.wav"},
      {kAddRing + 2, "add_ring.wav"},
      {kRotateRing, "rotate_ring.wav"},
      {kSmashRing, "smash_ring.wav"},
      {kExtraPoints, "extra_points.wav"},
      {kCountPoints, "count_points.wav"},
      {kLevelOver, "level_over.wav"},
      {kWin, "win.wav"},
      {kLoose, "loose.wav"},
      {kAlarm, "alarm.wav"},
  };
  bool allLoaded = true;
  for (const auto& [id, file] : files) {
    allLoaded = sound.Load(id, folder + file) && allLoaded;
  }
  return allLoaded;
}

}  // namespace GameSounds
