#include "ui/OTextStack.h"

#include <GL/gl.h>

#include <algorithm>

#include "gfx/OFont.h"
#include "ui/OAction.h"

namespace {

// The height of a glyph cell, which the box takes times the scale.
constexpr float kLineHeight = 32.0f;

}  // namespace

OTextStack::OTextStack(const OFont* font, std::uint32_t controlId, bool canTakeFocus, float scale)
    : OControl(controlId, canTakeFocus), font_(font), scale_(scale) {}

void OTextStack::AddEntry(const std::string& text, std::int32_t key) {
  if (HasText(text)) {
    return;
  }
  entries_[key] = text;
  current_ = entries_.find(key);
  FitBoxToText();
}

bool OTextStack::HasText(const std::string& text) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&text](const auto& entry) { return entry.second == text; });
}

void OTextStack::Select(std::int32_t key) {
  const auto found = entries_.lower_bound(key);
  if (found != entries_.end()) {
    current_ = found;
    FitBoxToText();
  }
}

std::int32_t OTextStack::CurrentKey() const { return current_ != entries_.end() ? current_->first : kNoKey; }

std::string OTextStack::CurrentText() const {
  return current_ != entries_.end() ? current_->second : std::string();
}

void OTextStack::FitBoxToText() {
  const float textWidth = font_ != nullptr ? font_->TextWidth(CurrentText()) : 0.0f;
  SetSize(static_cast<std::uint16_t>(textWidth * scale_), static_cast<std::uint16_t>(kLineHeight * scale_));
}

bool OTextStack::HitTest(const OEvent& event) { return ContainsPointer(event, owner); }

bool OTextStack::HandleEvent(const OEvent& event) {
  if (event.type != OEvent::kButtonDown || event.button != OEvent::kLeft || entries_.empty()) {
    return false;
  }
  return Step(1);
}

std::array<float, 2> OTextStack::FocusPlace() const {
  return {static_cast<float>(X()) + Width() / 2.0f, static_cast<float>(Y()) + Height() / 2.0f};
}

OControl* OTextStack::HandleFocusAction(OAction action) {
  if (entries_.empty() ||
      (action != OAction::kLeft && action != OAction::kRight && action != OAction::kAct)) {
    return nullptr;
  }
  Step(action == OAction::kLeft ? -1 : 1);
  return this;
}

bool OTextStack::Step(int direction) {
  // Round from the last entry to the first, and back.
  if (direction > 0) {
    ++current_;
    if (current_ == entries_.end()) {
      current_ = entries_.begin();
    }
  } else {
    if (current_ == entries_.begin()) {
      current_ = entries_.end();
    }
    --current_;
  }
  FitBoxToText();
  return Notify(static_cast<std::uint32_t>(current_->first));
}

void OTextStack::Draw() {
  BeginLayoutProjection();
  DrawFrame();
  glTranslatef(X(), Y(), 0.0f);
  glEnable(GL_TEXTURE_2D);
  if (font_ != nullptr) {
    const std::string text = CurrentText();
    font_->DrawCounted(text.size(), text, highlighted, true, scale_);
  }
  EndLayoutProjection();
}
