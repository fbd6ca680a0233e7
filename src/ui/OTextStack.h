// A selector that shows one of several texts ("800 x 600", "1024 x 768") and
// steps to the next on each click, telling the screen the new entry's key.
// The box fits the current text.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "ui/O2D.h"
#include "ui/OControl.h"

class OFont;

class OTextStack : public OControl, public O2D {
 public:
  // What CurrentKey gives while the stack has no entries.
  static constexpr std::int32_t kNoKey = -1;

  // The font must outlive the stack; scale sizes the text and so the box.
  OTextStack(const OFont* font, std::uint32_t controlId, bool canTakeFocus, float scale);

  bool HandleEvent(const OEvent& event) override;
  void Draw() override;
  bool HitTest(const OEvent& event) override;
  bool TakesKeyFocus() const override { return !entries_.empty(); }
  std::array<float, 2> FocusPlace() const override;
  // Right, Enter and Space step to the next entry, as a click does; Left to the one before.
  OControl* HandleFocusAction(OAction action) override;

  // The new entry becomes current. A text that is already there is ignored;
  // a key that is already there takes the new text.
  void AddEntry(const std::string& text, std::int32_t key);
  // The first entry whose key is not less than key; past the last key the current entry stays.
  void Select(std::int32_t key);
  std::int32_t CurrentKey() const;
  // Empty while there are no entries.
  std::string CurrentText() const;

 private:
  // To the next entry (+1) or the one before, and tells the screen.
  bool Step(int direction);
  bool HasText(const std::string& text) const;
  void FitBoxToText();

  std::map<std::int32_t, std::string> entries_;
  std::map<std::int32_t, std::string>::const_iterator current_ = entries_.end();
  const OFont* font_;  // not owned
  float scale_;
};
