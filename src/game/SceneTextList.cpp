#include "game/SceneTextList.h"

#include <cmath>
#include <numbers>

void SceneTextList::Add(const std::string& text, const std::array<float, 3>& position, const OColor4& colour,
                        float size) {
  auto shown = std::make_unique<OTText>(font_, colour, text, size);
  shown->transform[12] = position[0];
  shown->transform[13] = position[1];
  shown->transform[14] = position[2];
  const bool floating = kind_ == Kind::Floating;
  shown->colour.a = floating ? 1.0f : 0.0f;
  texts_.push_back({std::move(shown), floating ? kFloatingLifetime : kLongLifetime});
}

void SceneTextList::Update(std::uint32_t elapsed) {
  const auto step = static_cast<float>(elapsed);
  for (Entry& entry : texts_) {
    if (kind_ == Kind::Floating) {
      Rise(entry, step);
    } else {
      FadeInAndOut(entry);
    }
    entry.remaining -= step;
  }
  std::erase_if(texts_, [](const Entry& entry) { return entry.remaining < 0.0f; });
}

void SceneTextList::Rise(Entry& entry, float step) const {
  entry.text->transform[13] += step * kRiseSpeed;
  // A straight fade that reaches nothing when the time is up.
  float& alpha = entry.text->colour.a;
  alpha = entry.remaining > step ? alpha - alpha / entry.remaining * step : 0.0f;
}

void SceneTextList::FadeInAndOut(Entry& entry) const {
  // Clear at the start and the end, full half way.
  const float wave = std::sin(std::numbers::pi_v<float> * (kLongLifetime - entry.remaining) / kLongLifetime);
  entry.text->colour.a = wave * wave;
}

void SceneTextList::Draw() {
  for (Entry& entry : texts_) {
    entry.text->Draw();
  }
}
