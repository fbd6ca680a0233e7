#include "ui/OAction.h"

#include "ui/KeyCodes.h"
#include "ui/OEvent.h"

namespace {

bool IsKey(const OEvent& event) { return event.type == OEvent::kKeyDown || event.type == OEvent::kKeyUp; }

bool IsPad(const OEvent& event) { return event.type == OEvent::kPadDown || event.type == OEvent::kPadUp; }

OAction ActionOfKey(std::uint16_t key, bool shift) {
  switch (key) {
    case keycode::kLeft:
      return OAction::kLeft;
    case keycode::kRight:
      return OAction::kRight;
    case keycode::kUp:
      return OAction::kUp;
    case keycode::kDown:
      return OAction::kDown;
    case keycode::kTab:
      return shift ? OAction::kPrevious : OAction::kNext;
    case keycode::kEnter:
    case keycode::kSpace:
      return OAction::kAct;
    case keycode::kTurnLeft:
      return shift ? OAction::kTurnAllLeft : OAction::kTurnLeft;
    case keycode::kTurnRight:
      return shift ? OAction::kTurnAllRight : OAction::kTurnRight;
    case keycode::kPageUp:
      return OAction::kPageBack;
    case keycode::kPageDown:
      return OAction::kPageOn;
    case keycode::kEscape:
      return OAction::kBack;
    case keycode::kPause:
      return OAction::kPause;
    default:
      return OAction::kNone;
  }
}

OAction ActionOfPadButton(std::uint16_t button) {
  switch (button) {
    case padbutton::kLeft:
      return OAction::kLeft;
    case padbutton::kRight:
      return OAction::kRight;
    case padbutton::kUp:
      return OAction::kUp;
    case padbutton::kDown:
      return OAction::kDown;
    case padbutton::kA:
      return OAction::kAct;
    case padbutton::kB:
      return OAction::kBack;
    case padbutton::kLeftShoulder:
      return OAction::kTurnLeft;
    case padbutton::kRightShoulder:
      return OAction::kTurnRight;
    case padbutton::kLeftTrigger:
      return OAction::kTurnAllLeft;
    case padbutton::kRightTrigger:
      return OAction::kTurnAllRight;
    case padbutton::kStart:
      return OAction::kMenu;
    default:
      return OAction::kNone;
  }
}

}  // namespace

OAction ActionOf(const OEvent& event) {
  if (IsKey(event)) {
    return ActionOfKey(event.key, (event.flags & OEvent::kShiftHeld) != 0);
  }
  if (IsPad(event)) {
    return ActionOfPadButton(event.key);
  }
  return OAction::kNone;
}

bool IsPress(const OEvent& event) { return event.type == OEvent::kKeyDown || event.type == OEvent::kPadDown; }

bool IsRelease(const OEvent& event) { return event.type == OEvent::kKeyUp || event.type == OEvent::kPadUp; }

bool SameKeyOrButton(const OEvent& a, const OEvent& b) {
  return a.key == b.key && ((IsKey(a) && IsKey(b)) || (IsPad(a) && IsPad(b)));
}
