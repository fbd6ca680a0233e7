#include "game/LongTextList.h"

#include <cmath>
#include <numbers>

void LongTextList::Add(const std::string& text, const std::array<float, 3>& position, const OColor4& colour,
                       float size) {
  auto shown = std::make_unique<OTText>(font_, colour, text, size);
  shown->transform[12] = position[0];
  shown->transform[13] = position[1];
  shown->transform[14] = position[2];
  shown->colour.a = 0.0f;
  texts_.push_back({std::move(shown), kLifetime});
}

void LongTextList::Update(std::uint32_t elapsed) {
  for (Entry& entry : texts_) {
    // In and out again: clear at the start and the end, full half way.
    const float wave = std::sin(std::numbers::pi_v<float> * (kLifetime - entry.remaining) / kLifetime);
    entry.text->colour.a = wave * wave;
    entry.remaining -= static_cast<float>(elapsed);
  }
  std::erase_if(texts_, [](const Entry& entry) { return entry.remaining < 0.0f; });
}

void LongTextList::Draw() {
  for (Entry& entry : texts_) {
    entry.text->Draw();
  }
}
