#include "audio/SoundGroups.h"

#include <utility>

void SoundGroups::Add(std::uint32_t group, std::vector<std::int32_t> sounds) {
  groups_[group] = Rotation{std::move(sounds), 0};
}

std::optional<std::int32_t> SoundGroups::Next(std::uint32_t group) {
  const auto found = groups_.find(group);
  if (found == groups_.end() || found->second.sounds.empty()) {
    return std::nullopt;
  }
  Rotation& rotation = found->second;
  const std::int32_t sound = rotation.sounds[rotation.next];
  rotation.next = (rotation.next + 1) % rotation.sounds.size();
  return sound;
}
