#include "screens/ScoreRow.h"

#include <algorithm>

#include "gfx/OFont.h"
#include "screens/ScoreRecord.h"

namespace {

constexpr std::int16_t kTopRowY = 512 - 30 * 4;
constexpr std::int16_t kSkillColumn = 132;
constexpr std::uint16_t kSkillWidth = 110;
constexpr std::uint16_t kScoreWidth = 125;
// The score's right edge, from the row's left edge.
constexpr std::int16_t kScoreEnd = 373;

}  // namespace

ScoreRow::ScoreRow(const OFont* font, std::size_t index)
    : font_(font), name_(font, ""), skill_(font, ""), score_(font, "") {
  const auto y = static_cast<std::int16_t>(kTopRowY - kHeight * static_cast<int>(index));
  SetPosition(kX, y);
  SetSize(kWidth, kHeight);
  name_.SetPosition(kX + kNameColumn, y);
  name_.SetWidth(kNameWidth, kHeight);
  skill_.SetPosition(kX + kSkillColumn, y);
  skill_.SetWidth(kSkillWidth, kHeight);
}

void ScoreRow::Show(const ScoreRecord& record) {
  name_.SetText(record.ShownName());
  skill_.SetText(record.SkillName());
  // Scores show unsigned, as the table has always shown them; a negative one
  // that a file brought along shows as its ten-digit counterpart.
  score_.SetNumber(static_cast<std::uint32_t>(record.score));
  const std::uint16_t width = font_ != nullptr ? font_->TextWidth(score_.Text()) : 0;
  // A number cut short would show a different score, so a long one reaches
  // further left instead; the skill column leaves room for ten digits.
  score_.SetWidth(std::max(kScoreWidth, width), kHeight);
  score_.SetPosition(static_cast<std::int16_t>(X() + kScoreEnd - width), Y());
}

void ScoreRow::Draw() const {
  name_.Draw();
  skill_.Draw();
  score_.Draw();
}
