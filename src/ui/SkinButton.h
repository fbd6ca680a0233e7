// The skin selector: a button wearing one of the board's skins. Each press
// steps to the next skin, after the last back to the first, and tells the
// owner the new skin's number; the owner decides whether to show it.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "gfx/OTexture.h"
#include "ui/OButton.h"

class SkinButton : public OButton {
 public:
  SkinButton(std::uint32_t controlId, bool canTakeFocus);

  // Skins are kept in the order of their numbers; a texture offered twice
  // keeps its first number. The texture is loaded only when selected.
  void AddSkin(const std::string& textureName, std::int32_t number);
  // Wears the first skin numbered `number` or above, or the first skin when
  // every number is below it. Throws OFileNotFound when the picture is missing.
  void SelectSkin(std::int32_t number);
  // The number of the skin with that texture, or -1.
  std::int32_t FindSkin(const std::string& textureName) const;
  // -1 and an empty name while the button has no skins.
  std::int32_t CurrentSkinNumber() const;
  std::string CurrentSkinName() const;
  // The worn skin's texture, for the board to draw its blocks with.
  const OTexture& Texture() const { return texture_; }

  bool HandleEvent(const OEvent& event) override;
  void Draw() override;

 private:
  using Skins = std::map<std::int32_t, std::string>;

  // The first skin numbered `number` or above, wrapping round to the first.
  Skins::const_iterator SkinFrom(std::int32_t number) const;

  Skins skins_;
  Skins::const_iterator current_ = skins_.end();
  OTexture texture_;
};
