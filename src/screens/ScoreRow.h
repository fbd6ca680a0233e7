// One line of a top-ten table on the screen: the name, the skill and the
// score, the score right-aligned in its column.
#pragma once

#include <cstddef>
#include <string>

#include "ui/O2D.h"
#include "ui/OTextLabel.h"

class OFont;
struct ScoreRecord;

class ScoreRow : public O2D {
 public:
  static constexpr std::int16_t kX = 70;
  static constexpr std::uint16_t kWidth = 442;
  static constexpr std::uint16_t kHeight = 30;
  static constexpr std::int16_t kNameColumn = 6;
  static constexpr std::uint16_t kNameWidth = 120;

  // Row 0 is the top one. The font must outlive the row.
  ScoreRow(const OFont* font, std::size_t index);

  void Show(const ScoreRecord& record);
  // While a name is typed over it, the row's own name stays out of sight.
  void BlankName() { name_.SetText(""); }
  const std::string& NameText() const { return name_.Text(); }
  const std::string& SkillText() const { return skill_.Text(); }
  const std::string& ScoreText() const { return score_.Text(); }
  // In the layout's projection, with the font's colour as it stands.
  void Draw() const;

 private:
  const OFont* font_;  // not owned
  OTextLabel name_;
  OTextLabel skill_;
  OTextLabel score_;
};
