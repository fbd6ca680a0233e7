// Sounds played in turn: a group names a few variants of one kind of event, so
// that blocks landing or exploding one after another do not all sound the same.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

class SoundGroups {
 public:
  // Replaces the group's sounds and starts it at its first sound.
  void Add(std::uint32_t group, std::vector<std::int32_t> sounds);
  // The group's next sound, going round; nothing for a group that has no sounds.
  std::optional<std::int32_t> Next(std::uint32_t group);

 private:
  struct Rotation {
    std::vector<std::int32_t> sounds;
    std::size_t next = 0;
  };
  std::map<std::uint32_t, Rotation> groups_;
};
