#include "ui/SkinButton.h"

#include <GL/gl.h>

#include <algorithm>

SkinButton::SkinButton(std::uint32_t controlId, bool canTakeFocus) : OButton(controlId, canTakeFocus) {}

void SkinButton::AddSkin(const std::string& textureName, std::int32_t number) {
  if (FindSkin(textureName) != -1) {
    return;
  }
  skins_.insert_or_assign(number, textureName);
  current_ = SkinFrom(number);
}

void SkinButton::SelectSkin(std::int32_t number) {
  current_ = SkinFrom(number);
  texture_.Clear();
  if (current_ != skins_.end()) {
    texture_.Set(current_->second);
  }
}

SkinButton::Skins::const_iterator SkinButton::SkinFrom(std::int32_t number) const {
  const auto found = skins_.lower_bound(number);
  return found != skins_.end() ? found : skins_.begin();
}

std::int32_t SkinButton::FindSkin(const std::string& textureName) const {
  const auto found = std::find_if(skins_.begin(), skins_.end(),
                                  [&textureName](const auto& skin) { return skin.second == textureName; });
  return found != skins_.end() ? found->first : -1;
}

std::int32_t SkinButton::CurrentSkinNumber() const { return current_ != skins_.end() ? current_->first : -1; }

std::string SkinButton::CurrentSkinName() const {
  return current_ != skins_.end() ? current_->second : std::string();
}

bool SkinButton::HandleEvent(const OEvent& event) {
  if (!IsLeftPress(event) || skins_.empty()) {
    return false;
  }
  if (++current_ == skins_.end()) {
    current_ = skins_.begin();
  }
  Highlight();
  // The owner gets the number's bits; it turns them back into a signed number.
  return Notify(static_cast<std::uint32_t>(current_->first));
}

void SkinButton::Draw() {
  glDisable(GL_LIGHTING);
  texture_.Bind();
  OModel::Draw();
  glEnable(GL_LIGHTING);
}
