// The base of everything that takes input: buttons, option controls, the game
// board and its rings. The screen asks HitTest before it hands over an event.
#pragma once

#include <array>
#include <cstdint>

#include "ui/OAction.h"
#include "ui/OCommandHandler.h"
#include "ui/OEvent.h"

class PictureKey;

class OControl {
 public:
  // Codes a control sends with its id.
  static constexpr std::uint32_t kEnter = 0;
  static constexpr std::uint32_t kClicked = 1;
  static constexpr std::uint32_t kUnchecked = 2;
  static constexpr std::uint32_t kScoreChanged = 2045;
  static constexpr std::uint32_t kGameFinished = 2046;
  static constexpr std::uint32_t kControlPressed = 3001;
  static constexpr std::uint32_t kControlReleased = 3002;

  OControl(std::uint32_t controlId, bool canTakeFocus);
  virtual ~OControl() = default;
  OControl(const OControl&) = delete;
  OControl& operator=(const OControl&) = delete;

  virtual bool HandleEvent(const OEvent& event);
  virtual void Draw();
  virtual bool HitTest(const OEvent& event);
  // Runs once the control has its place on a screen.
  virtual bool Init();
  virtual void Highlight();
  virtual void Unhighlight();

  // Tells the owner; a control not yet on a screen has nobody to tell.
  bool Notify(std::uint32_t code);

  // Whether the keyboard's focus stops at this control as it goes round a screen.
  virtual bool TakesKeyFocus() const { return false; }
  // Where the focus finds it: its middle on the screen's 512 x 512 layout, y up.
  virtual std::array<float, 2> FocusPlace() const { return {0.0f, 0.0f}; }
  // A key or controller button pressed while the control has the focus. The
  // control that has the focus afterwards (this one, or a neighbour it handed
  // the choice to), or null when the action is not the control's.
  virtual OControl* HandleFocusAction(OAction /*action*/) { return nullptr; }
  // A frame round the control, for one whose highlight shows nothing.
  virtual void DrawFocus() {}
  // Adds everything Draw and DrawFocus read to the key. False for a control
  // that cannot tell (the default): its screen is then drawn afresh every frame.
  virtual bool AddToPictureKey(PictureKey& /*key*/) const { return false; }

  std::uint32_t id;
  OCommandHandler* owner = nullptr;  // not owned
  bool highlighted = false;
  std::uint16_t tabIndex = 0;
  bool focusable;
  // 0: active whenever the pointer is over it; 1: only after a button press over it.
  std::uint32_t activation = 0;
  bool enabled = true;
};
