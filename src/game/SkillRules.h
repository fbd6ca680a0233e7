// The two skill levels: how many colours are in play, the smallest group that
// can be removed, and what each removed block is worth.
#pragma once

#include <cstdint>

struct SkillRules {
  static constexpr std::int32_t kEasy = 0;
  static constexpr std::int32_t kNormal = 1;

  // A skill number the table does not know (a hand-edited settings file) plays Easy.
  static const SkillRules& For(std::int32_t skill);

  std::uint16_t colours;
  std::uint16_t minimumGroup;
  std::uint16_t scoreFactor;
  std::int32_t skill;
};
