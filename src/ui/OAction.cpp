#include "ui/OAction.h"

#include "ui/KeyCodes.h"
#include "ui/OEvent.h"

namespace {

bool IsKey(const OEvent& event) { return event.type == OEvent::kKeyDown || event.type == OEvent::kKeyUp; }

bool IsPad(const OEvent& event) { return event.type == OEvent::kPadDown || event.type == OEvent::kPadUp; }

OAction ActionOfControlKey(std::uint16_t key, bool shift) {
  switch (key) {
    case keycode::kTurnLeft:
      return shift ? OAction::kRedo : OAction::kUndo;
    case keycode::kRedo:
      return OAction::kRedo;
    default:
      return OAction::kNone;
  }
}

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
    case keycode::kBackspace:
      return OAction::kUndo;
    case keycode::kReplay:
      return OAction::kReplay;
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
    case padbutton::kX:
      return OAction::kUndo;
    default:
      return OAction::kNone;
  }
}

}  // namespace

OAction ActionOf(const OEvent& event) {
  if (IsKey(event)) {
    const bool shift = (event.flags & OEvent::kShiftHeld) != 0;
    // Ctrl makes Z and Y undo and redo; other keys act as without it.
    const OAction withControl =
        (event.flags & OEvent::kControlHeld) != 0 ? ActionOfControlKey(event.key, shift) : OAction::kNone;
    return withControl != OAction::kNone ? withControl : ActionOfKey(event.key, shift);
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
