#include "screens/ScoreRecord.h"

#include <algorithm>
#include <limits>

std::int32_t ScoreRecord::FileScore(std::uint32_t points) {
  constexpr std::uint32_t kLargest = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::min(points, kLargest));
}

std::string ScoreRecord::ShownName() const {
  std::string shown = name;
  std::replace(shown.begin(), shown.end(), '_', ' ');
  return shown;
}

const char* ScoreRecord::SkillName() const {
  switch (skill) {
    case kEasy:
      return "Easy";
    case kNormal:
      return "Normal";
    default:
      return "";
  }
}
