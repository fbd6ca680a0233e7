// The two skill levels: how many colours are in play, the smallest group that
// can be removed, and what each removed block is worth.
#pragma once

#include <cstdint>

struct SkillRules {
  static constexpr std::int32_t kEasy = 0;
  static constexpr std::int32_t kNormal = 1;

  // A skill number the table does not know (a hand-edited settings file) plays
  // Easy, the skill of a first start; the file keeps its number until the
  // player picks a skill.
  static const SkillRules& For(std::int32_t skill);
  // The skill the settings choose, as the rules, the heads-up display, the
  // options screen and the top-ten table all take it.
  static const SkillRules& Current();

  std::uint16_t colours;
  std::uint16_t minimumGroup;
  std::uint16_t scoreFactor;
  std::int32_t skill;
  const char* name;
};
