#include "game/SkillRules.h"

#include "core/OConfig.h"

namespace {

constexpr SkillRules kTable[] = {
    {4, 2, 1, SkillRules::kEasy, "Easy"},
    {4, 3, 2, SkillRules::kNormal, "Normal"},
};

}  // namespace

const SkillRules& SkillRules::For(std::int32_t skill) {
  return skill == kNormal ? kTable[kNormal] : kTable[kEasy];
}

const SkillRules& SkillRules::Current() { return For(OConfig::Instance().skill); }
