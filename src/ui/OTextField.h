// A one-line field the player types into (the name in the top-ten table): a
// caret that blinks while the field has the focus, and the text scrolled so
// that the caret stays in view. Enter tells the screen with code 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "gfx/OTexture.h"
#include "ui/O2D.h"
#include "ui/OControl.h"

class OFont;

class OTextField : public OControl, public O2D {
 public:
  using Clock = std::function<std::uint32_t()>;

  static constexpr std::size_t kDefaultMaxLength = 16;

  // The font must outlive the field; without one the text has no width and is not drawn.
  OTextField(const OFont* font, const std::string& text, std::uint32_t controlId, bool canTakeFocus);

  bool HandleEvent(const OEvent& event) override;
  void Draw() override;
  bool HitTest(const OEvent& event) override;
  // Runs on Enter, before the screen is told.
  virtual void OnEnter() {}

  // The caret goes to the end; the text may be longer than the maximum, and then typing adds nothing.
  void SetText(const std::string& text);
  // Moves the field and scrolls its text anew for the new place.
  void SetPosition(std::int16_t x, std::int16_t y);
  void SetMaxLength(std::size_t length) { maxLength_ = length; }
  // A picture from "Data/Textures/" drawn instead of the background and border;
  // a missing file throws OFileNotFound.
  void SetBackgroundTexture(const std::string& name);
  // A disabled field is neither drawn nor hit.
  void SetDisabled(bool disabled) { disabled_ = disabled; }
  // Where the caret's blink takes the time from.
  void SetClock(Clock clock) { clock_ = std::move(clock); }

  const std::string& Text() const { return text_; }
  std::size_t Caret() const { return caret_; }
  // The first character shown at the left edge.
  std::size_t Scroll() const { return scroll_; }
  // The caret shows in the second half of every second, and only while the field has the focus.
  bool CaretShown() const;

 private:
  bool HandleKey(std::uint16_t key);
  // Only what the font can draw goes in: an accented letter loses its accent,
  // and a character with no glyph is refused.
  void Type(std::uint16_t code);
  void Backspace();
  void End();
  void CaretLeft();
  void CaretRight();
  void Delete();
  // Scrolls so that the caret stands at the right edge.
  void ScrollToCaret();
  // How many characters from the first shown one fit in the field.
  std::size_t VisibleCount() const;
  // Room for the text: the field less a pixel at each side.
  int TextRoom() const;
  int WidthOf(std::size_t count) const;
  void DrawBox() const;
  void DrawCaret() const;

  std::string text_;
  std::size_t scroll_ = 0;
  std::size_t caret_ = 0;
  std::size_t maxLength_ = kDefaultMaxLength;
  const OFont* font_;  // not owned
  OTexture background_;
  bool disabled_ = false;
  Clock clock_;
};
