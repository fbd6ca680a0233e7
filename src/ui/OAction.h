// What a key or a game controller's button asks of a screen. The screens and
// the board read actions, not devices, so the keyboard and every controller
// play the same way.
#pragma once

#include <cstdint>

struct OEvent;

enum class OAction {
  kNone,
  // The cursor or the focus one step: arrows, the d-pad, the left stick.
  kLeft,
  kRight,
  kUp,
  kDown,
  kNext,      // the focus on to the next control: Tab
  kPrevious,  // Shift+Tab
  kAct,       // what a left click does at the cursor or on the focus: Space, Enter, A
  // Turning while held: the cursor's ring (Z, X, the shoulders) or every ring
  // (Shift+Z, Shift+X, the triggers); "left" turns as the left rotate arrow does.
  kTurnLeft,
  kTurnRight,
  kTurnAllLeft,
  kTurnAllRight,
  kPageBack,  // Page Up
  kPageOn,    // Page Down
  kBack,      // Escape, B
  kMenu,      // Start: the menu from a game, and the game again from the menu
  kPause,     // P: Breakdown stops and starts again
  // Remover's moves taken back and played again, and its deal from the start.
  kUndo,    // Ctrl+Z, Backspace, X
  kRedo,    // Ctrl+Y, Ctrl+Shift+Z
  kReplay,  // R
};

// The action of a key or pad event, pressed, repeating or let go; none for any other event.
OAction ActionOf(const OEvent& event);
// A key or a controller's button pressed (or repeating while held).
bool IsPress(const OEvent& event);
bool IsRelease(const OEvent& event);
// Whether two events come from the same key or button, so that a release
// finds its press whatever Shift did in between.
bool SameKeyOrButton(const OEvent& a, const OEvent& b);
