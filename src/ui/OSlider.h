// A rail with a thumb that the player drags, or sets by clicking the rail.
// The value moves smoothly with the pointer, but the screen only ever hears of
// it, and reads it, snapped to the step.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "ui/OControl3D.h"

class OSlider : public OControl3D {
 public:
  // The thumb's hit box grows this much while it is dragged, so the drag
  // survives the pointer slipping off the thin thumb.
  static constexpr float kDragEnlargement = 10.0f;

  OSlider(std::uint32_t controlId, float minimum, float maximum, float step);

  // Measures rail and thumb (both loaded by the screen) and puts the thumb at the value.
  bool Init() override;
  void Draw() override;
  // Remembers whether the rail or the thumb is under the pointer for the press that follows.
  bool HitTest(const OEvent& event) override;
  bool HandleEvent(const OEvent& event) override;
  // Ends a drag that the screen breaks off, settling the value on a step.
  void Unhighlight() override;
  bool TakesKeyFocus() const override { return true; }
  // Left and Right move the value a step.
  OControl* HandleFocusAction(OAction action) override;

  void SetValue(float value);
  float Value() const { return value_; }
  bool Dragging() const { return dragging_; }
  // The screen loads the thumb's model into it.
  OControl3D& Thumb() { return *thumb_; }

 private:
  bool Press(const OEvent& event);
  bool Drag(const OEvent& event);
  void Release();
  // Tells the screen with the value on its step, then goes on from the exact value.
  bool NotifySnapped();
  float Snapped(float value) const;
  // Moves the value by a world displacement taken along the rail; false when it had to be clamped.
  bool MoveBy(const std::array<float, 3>& displacement);
  // The world point under a window pixel (y down) at the thumb's distance from the camera.
  std::array<float, 3> PointAtThumbDepth(float x, float y) const;
  void PlaceThumb();
  void EnlargeThumb();
  void ShrinkThumb();

  std::unique_ptr<OControl3D> thumb_;
  float minimum_;
  float maximum_;
  float value_;
  float step_;
  float unitsPerValue_ = 0.0f;
  float railHalfWidth_ = 0.0f;
  float thumbHalfWidth_ = 0.0f;
  enum class Part { kNone, kRail, kThumb };
  Part hit_ = Part::kNone;
  bool dragging_ = false;
  bool thumbEnlarged_ = false;
};
