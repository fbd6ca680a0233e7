#include "game/LevelRules.h"

#include <array>

namespace {

using Weights = std::map<std::string, float>;

Weights MakeWeights(float column, float ring, float super, float cross, float cluster, float red,
                    float yellow, float blue, float green) {
  return {{"VLDemolishBonus", column}, {"HLDemolishBonus", ring},       {"BombBonus", super},
          {"CrossBonus", cross},       {"GroupDemolishBonus", cluster}, {"RedBombBonus", red},
          {"YellowBombBonus", yellow}, {"BlueBombBonus", blue},         {"GreenBombBonus", green}};
}

const std::array<LevelRules, LevelRules::kLastLevel>& Table() {
  // The first levels bring the simple bombs only; every goody is in play from level 5.
  static const Weights kLevel1 = MakeWeights(0.0f, 0.2f, 0.8f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f);
  static const Weights kLevel2 = MakeWeights(0.3f, 0.3f, 0.4f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f);
  static const Weights kLevel3 = MakeWeights(0.0f, 0.0f, 0.2f, 0.2f, 0.0f, 0.2f, 0.2f, 0.0f, 0.2f);
  static const Weights kLevel4 = MakeWeights(0.2f, 0.2f, 0.1f, 0.1f, 0.0f, 0.1f, 0.1f, 0.1f, 0.1f);
  static const Weights kLater = MakeWeights(0.1f, 0.1f, 0.2f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f);
  static const std::array<LevelRules, LevelRules::kLastLevel> table = {{
      {1, 25, 3, 300, 200, 26, 0.1f, kLevel1},
      {2, 25, 3, 200, 170, 27, 0.2f, kLevel2},
      {3, 25, 3, 170, 150, 24, 0.3f, kLevel3},
      {4, 25, 4, 170, 170, 24, 0.3f, kLevel4},
      {5, 25, 4, 200, 150, 24, 0.4f, kLater},
      {6, 35, 4, 200, 125, 24, 0.6f, kLater},
      {7, 35, 4, 200, 100, 24, 0.7f, kLater},
      {8, 35, 4, 200, 75, 24, 0.8f, kLater},
      {9, 35, 4, 200, 50, 24, 0.9f, kLater},
      {10, 35, 4, 170, 20, 24, 1.0f, kLater},
  }};
  return table;
}

}  // namespace

const LevelRules& LevelRules::For(std::uint32_t level) {
  const std::uint32_t clamped = level < 1 ? 1 : (level > kLastLevel ? kLastLevel : level);
  return Table()[clamped - 1];
}
