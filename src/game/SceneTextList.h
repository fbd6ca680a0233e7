// One of the game screen's lists of texts standing in the scene: the score
// pop-ups, which rise and fade out over a second, or the messages ("You
// win!!!", "Level Completed"), which stand still and fade in and out again
// over three seconds.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "game/TextList.h"
#include "gfx/OTText.h"

class OFont;

class SceneTextList : public TextList {
 public:
  enum class Kind { Floating, Long };
  static constexpr float kFloatingLifetime = 1000.0f;  // ms
  static constexpr float kRiseSpeed = 0.02f;           // units per ms
  static constexpr float kLongLifetime = 3000.0f;      // ms

  // The font is not owned; without one the texts are kept and animated but not drawn.
  SceneTextList(Kind kind, OFont* font) : kind_(kind), font_(font) {}

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

  void Rise(Entry& entry, float step) const;
  void FadeInAndOut(Entry& entry) const;

  Kind kind_;
  OFont* font_;
  std::vector<Entry> texts_;
};
