#include "platform/PadInput.h"

#include <algorithm>
#include <cstdlib>

namespace platform {

namespace {

bool IsDirection(PadButton button) {
  return button == PadButton::Up || button == PadButton::Down || button == PadButton::Left ||
         button == PadButton::Right;
}

WindowEvent PadMessage(PadButton button, bool down) {
  WindowEvent message{down ? WindowEventKind::PadDown : WindowEventKind::PadUp};
  message.key = static_cast<std::uint16_t>(button);
  return message;
}

// How far the stick leans the way of `direction`; negative when it leans the other way.
int Lean(PadButton direction, int x, int y) {
  switch (direction) {
    case PadButton::Left:
      return -x;
    case PadButton::Right:
      return x;
    case PadButton::Up:
      return -y;
    default:
      return y;
  }
}

}  // namespace

void PadInput::Button(int pad, PadButton button, bool down, std::uint32_t now, Messages& out) {
  std::set<PadButton>& held = pads_[pad].held;
  if (down && held.insert(button).second) {
    Press(pad, button, false, now, out);
  } else if (!down && held.erase(button) != 0) {
    LetGo(pad, button, false, out);
  }
}

void PadInput::Stick(int pad, StickAxis axis, int value, std::uint32_t now, Messages& out) {
  Pad& state = pads_[pad];
  (axis == StickAxis::X ? state.x : state.y) = value;
  const std::optional<PadButton> direction = StickDirection(state);
  if (direction == state.stick) {
    return;
  }
  const std::optional<PadButton> was = state.stick;
  state.stick = direction;
  if (was) {
    LetGo(pad, *was, true, out);
  }
  if (direction) {
    Press(pad, *direction, true, now, out);
  }
}

std::optional<PadButton> PadInput::StickDirection(const Pad& pad) const {
  // A direction pushed firmly stays, however the other axis wavers.
  if (pad.stick && Lean(*pad.stick, pad.x, pad.y) >= kPressTravel) {
    return pad.stick;
  }
  if (std::max(std::abs(pad.x), std::abs(pad.y)) >= kPressTravel) {
    if (std::abs(pad.x) >= std::abs(pad.y)) {
      return pad.x < 0 ? PadButton::Left : PadButton::Right;
    }
    return pad.y < 0 ? PadButton::Up : PadButton::Down;
  }
  if (pad.stick && Lean(*pad.stick, pad.x, pad.y) >= kHoldTravel) {
    return pad.stick;
  }
  return std::nullopt;
}

void PadInput::Trigger(int pad, PadButton trigger, int value, Messages& out) {
  std::set<PadButton>& held = pads_[pad].held;
  if (value >= kPressTravel && held.insert(trigger).second) {
    out.push_back(PadMessage(trigger, true));
  } else if (value < kHoldTravel && held.erase(trigger) != 0) {
    out.push_back(PadMessage(trigger, false));
  }
}

void PadInput::Unplugged(int pad, Messages& out) {
  const auto found = pads_.find(pad);
  if (found == pads_.end()) {
    return;
  }
  const Pad state = found->second;
  pads_.erase(found);
  for (const PadButton button : state.held) {
    LetGo(pad, button, false, out);
  }
  if (state.stick) {
    LetGo(pad, *state.stick, true, out);
  }
}

void PadInput::Repeat(std::uint32_t now, Messages& out) {
  if (repeating_ && static_cast<std::int32_t>(now - repeating_->due) >= 0) {
    out.push_back(PadMessage(repeating_->direction, true));
    // A late check does not make up the repeats it missed in a burst.
    repeating_->due = now + kRepeatEveryMs;
  }
}

std::optional<std::uint32_t> PadInput::UntilRepeat(std::uint32_t now) const {
  if (!repeating_) {
    return std::nullopt;
  }
  const auto left = static_cast<std::int32_t>(repeating_->due - now);
  return static_cast<std::uint32_t>(std::max(left, 0));
}

void PadInput::Press(int pad, PadButton button, bool byStick, std::uint32_t now, Messages& out) {
  out.push_back(PadMessage(button, true));
  if (IsDirection(button)) {
    repeating_ = Repeating{pad, button, byStick, now + kRepeatDelayMs};
  }
}

void PadInput::LetGo(int pad, PadButton button, bool byStick, Messages& out) {
  out.push_back(PadMessage(button, false));
  if (repeating_ && repeating_->pad == pad && repeating_->direction == button &&
      repeating_->byStick == byStick) {
    repeating_.reset();
  }
}

}  // namespace platform
