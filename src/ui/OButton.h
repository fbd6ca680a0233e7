// A model button: a normal face (object 0) and a highlighted face (object 1).
// A click is a press and a release with the pointer over the button; moving
// off before the release takes the click back, moving on again restores it.
#pragma once

#include <cstdint>

#include "ui/OControl3D.h"

class OButton : public OControl3D {
 public:
  // One step of a turning button: 10 degrees.
  static constexpr float kSpinStep = 0.17453292f;

  OButton(std::uint32_t controlId, bool canTakeFocus);

  bool HandleEvent(const OEvent& event) override;
  // A disabled button is never hit, so it never highlights or clicks.
  bool HitTest(const OEvent& event) override;
  void Highlight() override;
  void Unhighlight() override;
  bool TakesKeyFocus() const override { return !disabled && keyFocusStops; }
  // Enter or Space clicks it.
  OControl* HandleFocusAction(OAction action) override;
  // Its highlighted face shows the focus.
  void DrawFocus() override {}
  // What the button shows while it is held down; nothing in a plain button.
  virtual void OnPress();
  virtual void OnRelease();
  virtual void Spin();

  bool disabled = false;
  // False for the window's own buttons: the desktop has its keys for those.
  bool keyFocusStops = true;

 protected:
  enum PressState : std::uint32_t { kIdle = 0, kPressedInside = 1, kPressedOutside = 2 };

  // While the button is held, whether the pointer is still over it.
  void TrackPointer(const OEvent& event);
  static bool IsLeftPress(const OEvent& event) {
    return event.type == OEvent::kButtonDown && event.button == OEvent::kLeft;
  }

  std::uint32_t pressState_ = kIdle;

 private:
  bool ClickByKey();
  bool Release();
};
