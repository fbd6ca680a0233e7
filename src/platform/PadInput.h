// Game controllers' buttons, sticks and triggers as the pad messages the game
// reads. The left stick and the triggers press and let go as buttons do, and a
// held direction repeats as a held key does, so a menu or the board's cursor
// walks on while the player holds it.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>

#include "platform/Events.h"

namespace platform {

class PadInput {
 public:
  // SDL's full range of a stick's or a trigger's travel is 32767 either way.
  // Half of it presses; a quarter still holds what is pressed, so a stick
  // resting near the edge does not flicker between pressed and let go.
  static constexpr int kPressTravel = 16384;
  static constexpr int kHoldTravel = 8192;
  static constexpr std::uint32_t kRepeatDelayMs = 400;
  static constexpr std::uint32_t kRepeatEveryMs = 100;

  enum class StickAxis { X, Y };  // Y grows downwards

  using Messages = std::deque<WindowEvent>;

  void Button(int pad, PadButton button, bool down, std::uint32_t now, Messages& out);
  void Stick(int pad, StickAxis axis, int value, std::uint32_t now, Messages& out);
  void Trigger(int pad, PadButton trigger, int value, Messages& out);
  // Lets go of everything the controller held, so that nothing stays pressed.
  void Unplugged(int pad, Messages& out);
  // A press for the held direction when its repeat is due.
  void Repeat(std::uint32_t now, Messages& out);
  // Milliseconds until the held direction repeats; none while nothing repeats.
  std::optional<std::uint32_t> UntilRepeat(std::uint32_t now) const;

 private:
  struct Pad {
    std::set<PadButton> held;  // buttons and triggers
    std::optional<PadButton> stick;
    int x = 0;
    int y = 0;
  };
  // The direction that repeats: the last one pressed, while it stays held.
  struct Repeating {
    int pad;
    PadButton direction;
    bool byStick;
    std::uint32_t due;
  };

  std::optional<PadButton> StickDirection(const Pad& pad) const;
  void Press(int pad, PadButton button, bool byStick, std::uint32_t now, Messages& out);
  void LetGo(int pad, PadButton button, bool byStick, Messages& out);

  std::map<int, Pad> pads_;
  std::optional<Repeating> repeating_;
};

}  // namespace platform
