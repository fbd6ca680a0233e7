#include "ui/OTextField.h"

#include <GL/gl.h>

#include <string>
#include <string_view>

#include "gfx/OFont.h"
#include "platform/Clock.h"
#include "ui/KeyCodes.h"
#include "ui/OAction.h"

namespace {

// Where the text's line sits below the field's lower edge, so that it looks centred in the box.
constexpr float kTextOffsetX = 1.0f;
constexpr float kTextOffsetY = -6.0f;
constexpr int kCaretWidth = 2;
constexpr int kCaretInset = 2;
constexpr std::uint32_t kBlinkPeriodMs = 1000;
constexpr std::uint32_t kCaretHiddenMs = 500;

// The font has glyphs for the printable ASCII codes and for Windows-1252's
// 128 to 159, where five codes stand for nothing.
bool HasGlyph(std::uint16_t code) {
  const bool unassigned = code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D;
  return code >= 32 && code <= 159 && code != 127 && !unassigned;
}

// The Latin-1 letters from 192 (A with grave) on, as the unaccented letters
// the font can draw; the multiplication and division signs are no letters.
constexpr std::string_view kBaseLetters[64] = {
    "A", "A", "A", "A", "A", "A", "Ae", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
    "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "Th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};
constexpr std::uint16_t kFirstAccentedLetter = 192;

// What a typed character puts in the field: itself when the font draws it, an
// accented letter without its accent, and nothing for anything else (control
// codes, which arrive as keys, and signs the font has no glyph for).
std::string DrawableForm(std::uint16_t code) {
  if (HasGlyph(code)) {
    return std::string(1, static_cast<char>(code));
  }
  if (code >= kFirstAccentedLetter && code <= 255) {
    return std::string(kBaseLetters[code - kFirstAccentedLetter]);
  }
  return {};
}

}  // namespace

OTextField::OTextField(const OFont* font, const std::string& text, std::uint32_t controlId, bool canTakeFocus)
    : OControl(controlId, canTakeFocus), font_(font), clock_(platform::MillisecondsSinceStart) {
  // Only a press gives the field the focus; the pointer passing over it does not.
  activation = 1;
  SetDrawBackground(true);
  SetDrawBorder(true);
  SetText(text);
}

void OTextField::SetText(const std::string& text) {
  text_ = text;
  caret_ = text_.size();
  if (WidthOf(text_.size()) <= TextRoom()) {
    scroll_ = 0;
  } else {
    ScrollToCaret();
  }
}

void OTextField::SetPosition(std::int16_t x, std::int16_t y) {
  O2D::SetPosition(x, y);
  SetText(text_);
}

void OTextField::SetBackgroundTexture(const std::string& name) {
  background_.Clear();
  background_.Set(name);
}

bool OTextField::HitTest(const OEvent& event) { return !disabled_ && ContainsPointer(event, owner); }

bool OTextField::HandleEvent(const OEvent& event) {
  switch (event.type) {
    case OEvent::kButtonDown:
      Highlight();
      return true;
    case OEvent::kCharacter:
      Type(event.key);
      return true;
    case OEvent::kKeyDown:
      return HandleKey(event.key);
    case OEvent::kPadDown:
      // A controller's A takes the name as it stands, as Enter does.
      return ActionOf(event) == OAction::kAct && HandleKey(keycode::kEnter);
    default:
      return true;
  }
}

bool OTextField::HandleKey(std::uint16_t key) {
  switch (key) {
    case keycode::kBackspace:
      Backspace();
      return true;
    case keycode::kEnter:
      OnEnter();
      return Notify(kEnter);
    case keycode::kEnd:
      End();
      return true;
    case keycode::kHome:
      caret_ = 0;
      scroll_ = 0;
      return true;
    case keycode::kLeft:
      CaretLeft();
      return true;
    case keycode::kRight:
      CaretRight();
      return true;
    case keycode::kDelete:
      Delete();
      return true;
    default:
      return false;
  }
}

void OTextField::Type(std::uint16_t code) {
  for (const char character : DrawableForm(code)) {
    if (text_.size() >= maxLength_) {
      return;
    }
    text_.insert(caret_, 1, character);
    CaretRight();
  }
}

void OTextField::Backspace() {
  if (caret_ == 0) {
    return;
  }
  text_.erase(caret_ - 1, 1);
  --caret_;
  if (scroll_ == 0) {
    return;
  }
  // With the field's right part empty, pull the text back in from the left.
  if (scroll_ + VisibleCount() == caret_) {
    ScrollToCaret();
  } else {
    --scroll_;
  }
}

void OTextField::End() {
  caret_ = text_.size();
  if (WidthOf(text_.size()) > TextRoom()) {
    ScrollToCaret();
  }
}

void OTextField::CaretLeft() {
  if (caret_ == 0) {
    return;
  }
  --caret_;
  if (scroll_ > caret_) {
    --scroll_;
  }
}

void OTextField::CaretRight() {
  if (caret_ >= text_.size()) {
    return;
  }
  ++caret_;
  if (WidthOf(caret_) >= WidthOf(scroll_) + TextRoom()) {
    ScrollToCaret();
  }
}

void OTextField::Delete() {
  if (caret_ < text_.size()) {
    text_.erase(caret_, 1);
  }
}

void OTextField::ScrollToCaret() {
  if (font_ == nullptr) {
    return;
  }
  const std::string beforeCaret(text_.rbegin() + static_cast<std::ptrdiff_t>(text_.size() - caret_),
                                text_.rend());
  scroll_ = caret_ - font_->CharIndexAt(beforeCaret, TextRoom());
}

std::size_t OTextField::VisibleCount() const {
  return font_ != nullptr ? font_->CharIndexAt(std::string_view(text_).substr(scroll_), TextRoom()) : 0;
}

int OTextField::TextRoom() const { return Width() - 2; }

int OTextField::WidthOf(std::size_t count) const {
  return font_ != nullptr ? font_->TextWidth(std::string_view(text_).substr(0, count)) : 0;
}

bool OTextField::CaretShown() const { return highlighted && clock_() % kBlinkPeriodMs > kCaretHiddenMs; }

void OTextField::Draw() {
  if (disabled_) {
    return;
  }
  BeginLayoutProjection();
  glEnable(GL_TEXTURE_2D);
  DrawBox();
  if (font_ != nullptr) {
    glEnable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslatef(static_cast<float>(X()) + kTextOffsetX, static_cast<float>(Y()) + kTextOffsetY, 0.0f);
    font_->DrawCounted(VisibleCount(), std::string_view(text_).substr(scroll_), false, false, 1.0f);
    glPopMatrix();
  }
  if (CaretShown()) {
    DrawCaret();
  }
  EndLayoutProjection();
}

void OTextField::DrawBox() const {
  if (background_.Empty()) {
    DrawFrame();
    return;
  }
  background_.Bind();
  glColor3f(1.0f, 1.0f, 1.0f);
  const float left = X();
  const float bottom = Y();
  const float right = left + Width();
  const float top = bottom + Height();
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 0.0f);
  glVertex2f(left, bottom);
  glTexCoord2f(1.0f, 0.0f);
  glVertex2f(right, bottom);
  glTexCoord2f(1.0f, 1.0f);
  glVertex2f(right, top);
  glTexCoord2f(0.0f, 1.0f);
  glVertex2f(left, top);
  glEnd();
}

void OTextField::DrawCaret() const {
  const int caretX = X() - WidthOf(scroll_) + WidthOf(caret_);
  glDisable(GL_TEXTURE_2D);
  glColor3f(0.0f, 0.0f, 0.0f);
  glRecti(caretX, Y() + kCaretInset, caretX + kCaretWidth, Y() + Height() - kCaretInset);
}
