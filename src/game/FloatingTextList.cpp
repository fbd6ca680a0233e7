#include "game/FloatingTextList.h"

#include <algorithm>

void FloatingTextList::Add(const std::string& text, const std::array<float, 3>& position,
                           const OColor4& colour, float size) {
  auto shown = std::make_unique<OTText>(font_, colour, text, size);
  shown->transform[12] = position[0];
  shown->transform[13] = position[1];
  shown->transform[14] = position[2];
  shown->colour.a = 1.0f;
  texts_.push_back({std::move(shown), kLifetime});
}

void FloatingTextList::Update(std::uint32_t elapsed) {
  const auto step = static_cast<float>(elapsed);
  for (Entry& entry : texts_) {
    entry.text->transform[13] += step * kRiseSpeed;
    // A straight fade that reaches nothing when the time is up.
    float& alpha = entry.text->colour.a;
    alpha = entry.remaining > step ? alpha - alpha / entry.remaining * step : 0.0f;
    entry.remaining -= step;
  }
  std::erase_if(texts_, [](const Entry& entry) { return entry.remaining < 0.0f; });
}

void FloatingTextList::Draw() {
  for (Entry& entry : texts_) {
    entry.text->Draw();
  }
}
