#include "game/SkillRules.h"

namespace {

constexpr SkillRules kTable[] = {
    {4, 2, 1, SkillRules::kEasy},
    {4, 3, 2, SkillRules::kNormal},
};

}  // namespace

const SkillRules& SkillRules::For(std::int32_t skill) {
  return skill == kNormal ? kTable[kNormal] : kTable[kEasy];
}
