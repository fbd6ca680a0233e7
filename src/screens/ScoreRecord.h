// One entry of a top-ten table: who, at which skill, and how many points.
#pragma once

#include <cstdint>
#include <string>

struct ScoreRecord {
  static constexpr std::int32_t kEasy = 0;
  static constexpr std::int32_t kNormal = 1;

  // The files hold signed numbers; a game's points beyond their range are
  // kept at the largest one rather than turning negative.
  static std::int32_t FileScore(std::uint32_t points);

  // Spaces are stored as underscores, so both show as spaces.
  std::string ShownName() const;
  // "Easy", "Normal", or nothing for a skill the game does not know.
  const char* SkillName() const;

  std::int32_t skill = kEasy;
  std::string name;
  std::int32_t score = 0;
};
