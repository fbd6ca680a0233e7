// The game screen's messages ("You win!!!", "Level Completed"): each stands
// still, fades in and out again over three seconds.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "game/TextList.h"
#include "gfx/OTText.h"

class OFont;

class LongTextList : public TextList {
 public:
  static constexpr float kLifetime = 3000.0f;  // ms

  // The font is not owned; without one the texts are kept and animated but not drawn.
  explicit LongTextList(OFont* font) : font_(font) {}

  void Add(const std::string& text, const std::array<float, 3>& position, const OColor4& colour,
           float size) override;
  void Clear() override { texts_.clear(); }
  // Texts whose time is up are dropped.
  void Update(std::uint32_t elapsed);
  void Draw();

  std::size_t Size() const { return texts_.size(); }
  const OTText& At(std::size_t index) const { return *texts_[index].text; }

 private:
  struct Entry {
    std::unique_ptr<OTText> text;
    float remaining;
  };

  OFont* font_;
  std::vector<Entry> texts_;
};
