// Game controllers: buttons, the stick and the triggers become pad messages
// that press and let go, a held direction repeats, and a controller pulled out
// lets go of what it held.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Events.h"
#include "platform/PadInput.h"

namespace {

using platform::PadButton;
using platform::PadInput;
using Axis = PadInput::StickAxis;

// "+Left" for a press, "-Left" for a let-go.
std::string Spell(const platform::WindowEvent& message) {
  static const char* const kNames[] = {"",  "Up", "Down", "Left", "Right", "A",  "B",   "X",
                                       "Y", "LS", "RS",   "LT",   "RT",    "St", "Back"};
  const char sign = message.kind == platform::WindowEventKind::PadDown ? '+' : '-';
  return sign + std::string(message.key < 15 ? kNames[message.key] : "?");
}

std::vector<std::string> Taken(PadInput::Messages& messages) {
  std::vector<std::string> spelled;
  for (const platform::WindowEvent& message : messages) {
    spelled.push_back(Spell(message));
  }
  messages.clear();
  return spelled;
}

using Spelled = std::vector<std::string>;

TEST(PadInput, TheStickPressesItsStrongerDirectionAndHoldsItUntilItIsNearlyBack) {
  PadInput pads;
  PadInput::Messages out;
  pads.Stick(0, Axis::X, -16000, 0, out);
  EXPECT_EQ(Taken(out), Spelled{}) << "short of half way";
  pads.Stick(0, Axis::X, -PadInput::kPressTravel, 0, out);
  EXPECT_EQ(Taken(out), Spelled{"+Left"});
  pads.Stick(0, Axis::Y, 30000, 0, out);
  EXPECT_EQ(Taken(out), Spelled{}) << "Left is still pushed firmly";
  pads.Stick(0, Axis::X, -10000, 0, out);
  EXPECT_EQ(Taken(out), (Spelled{"-Left", "+Down"})) << "Down is pushed and Left is not";
  pads.Stick(0, Axis::Y, PadInput::kHoldTravel, 0, out);
  EXPECT_EQ(Taken(out), Spelled{}) << "held a quarter of the way";
  pads.Stick(0, Axis::Y, PadInput::kHoldTravel - 1, 0, out);
  EXPECT_EQ(Taken(out), Spelled{"-Down"});
  pads.Stick(1, Axis::Y, -20000, 0, out);
  EXPECT_EQ(Taken(out), Spelled{"+Up"}) << "another controller's stick";
}

TEST(PadInput, ButtonsAndTriggersPressOnceAndAnUnpluggedControllerLetsGoOfAll) {
  PadInput pads;
  PadInput::Messages out;
  pads.Button(0, PadButton::A, true, 0, out);
  pads.Button(0, PadButton::A, true, 0, out);
  pads.Trigger(0, PadButton::RightTrigger, PadInput::kPressTravel, out);
  pads.Trigger(0, PadButton::RightTrigger, PadInput::kHoldTravel, out);
  pads.Button(3, PadButton::LeftShoulder, true, 0, out);
  EXPECT_EQ(Taken(out), (Spelled{"+A", "+RT", "+LS"}));
  pads.Trigger(0, PadButton::RightTrigger, PadInput::kHoldTravel - 1, out);
  pads.Button(0, PadButton::A, false, 0, out);
  pads.Button(0, PadButton::A, false, 0, out);
  EXPECT_EQ(Taken(out), (Spelled{"-RT", "-A"}));
  pads.Stick(3, Axis::X, 32767, 0, out);
  pads.Button(3, PadButton::Up, true, 0, out);
  pads.Button(3, PadButton::B, true, 0, out);
  Taken(out);
  pads.Unplugged(3, out);
  EXPECT_EQ(Taken(out), (Spelled{"-Up", "-B", "-LS", "-Right"}));
  pads.Unplugged(3, out);
  pads.Repeat(10000, out);
  EXPECT_EQ(Taken(out), Spelled{}) << "nothing left to let go or to repeat";
}

TEST(PadInput, TheLastDirectionPressedRepeatsWhileItIsHeld) {
  PadInput pads;
  PadInput::Messages out;
  pads.Button(0, PadButton::Down, true, 1000, out);
  pads.Button(0, PadButton::A, true, 1000, out);  // not a direction: it does not repeat
  Taken(out);
  EXPECT_EQ(pads.UntilRepeat(1000), PadInput::kRepeatDelayMs);
  pads.Repeat(1000 + PadInput::kRepeatDelayMs - 1, out);
  EXPECT_EQ(Taken(out), Spelled{});
  pads.Repeat(1000 + PadInput::kRepeatDelayMs, out);
  EXPECT_EQ(Taken(out), Spelled{"+Down"});
  EXPECT_EQ(pads.UntilRepeat(1000 + PadInput::kRepeatDelayMs), PadInput::kRepeatEveryMs);
  pads.Repeat(5000, out);
  pads.Repeat(5000, out);
  EXPECT_EQ(Taken(out), Spelled{"+Down"}) << "a late check makes up no burst";
  EXPECT_EQ(pads.UntilRepeat(6000), 0u);

  pads.Stick(0, Axis::X, 20000, 5000, out);
  pads.Repeat(5000 + PadInput::kRepeatDelayMs, out);
  EXPECT_EQ(Taken(out), (Spelled{"+Right", "+Right"})) << "the stick's Right is the last pressed";
  pads.Button(0, PadButton::Down, false, 5500, out);
  pads.Repeat(5000 + PadInput::kRepeatDelayMs + PadInput::kRepeatEveryMs, out);
  EXPECT_EQ(Taken(out), (Spelled{"-Down", "+Right"})) << "letting go of another direction stops nothing";
  pads.Button(0, PadButton::Right, false, 5600, out);
  pads.Stick(0, Axis::X, 0, 5600, out);
  EXPECT_EQ(Taken(out), Spelled{"-Right"}) << "the d-pad's Right was never pressed";
  EXPECT_FALSE(pads.UntilRepeat(5600));
  pads.Button(0, PadButton::Left, true, 6000, out);
  pads.Button(0, PadButton::Left, false, 6000, out);
  EXPECT_FALSE(pads.UntilRepeat(6000)) << "the d-pad's Left let go";
}

// A controller SDL adds while the game runs is opened, its buttons arrive as
// pad messages, and when it goes what it held is let go.
TEST(PollWindowEvent, AControllerPluggedInPlaysAndPulledOutLetsGo) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0);
  ASSERT_TRUE(platform::StartControllers());
  SDL_VirtualJoystickDesc pad{};
  pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  pad.naxes = SDL_CONTROLLER_AXIS_MAX;
  pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  pad.name = "test pad";
  const int device = SDL_JoystickAttachVirtualEx(&pad);
  ASSERT_GE(device, 0) << SDL_GetError();
  const auto messages = [] {
    Spelled spelled;
    platform::WindowEvent message;
    while (platform::PollWindowEvent(message)) {
      if (message.kind == platform::WindowEventKind::PadDown ||
          message.kind == platform::WindowEventKind::PadUp) {
        spelled.push_back(Spell(message));
      }
    }
    return spelled;
  };
  messages();  // the controller is opened
  SDL_Joystick* joystick = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device));
  ASSERT_NE(joystick, nullptr) << "opened when it came";
  SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_A, SDL_PRESSED);
  SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_PRESSED);
  SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_LEFTSTICK, SDL_PRESSED);  // not the game's
  SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767);
  SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTY, 32767);
  EXPECT_EQ(messages(), (Spelled{"+Down", "+LT", "+A", "+Left"}));
  SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_A, SDL_RELEASED);
  EXPECT_EQ(messages(), Spelled{"-A"});
  SDL_JoystickDetachVirtual(device);
  EXPECT_EQ(messages(), (Spelled{"-Down", "-LT", "-Left"}));
  platform::StopControllers();
  SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

}  // namespace
