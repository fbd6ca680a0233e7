// The window's messages as the window procedure sees them: virtual-key codes,
// Windows-1252 characters, the key-state word, and system events turned into
// messages one at a time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Events.h"
#include "platform/Window.h"
#include "support/OffscreenVideo.h"

namespace {

using platform::WindowEvent;
using platform::WindowEventKind;
using Bytes = std::vector<std::uint8_t>;

TEST(VirtualKeyCode, EveryKeyTheGameReadsHasItsWindowsCode) {
  const std::vector<std::pair<SDL_Keycode, std::uint16_t>> keys{
      {SDLK_BACKSPACE, 8}, {SDLK_TAB, 9},     {SDLK_RETURN, 13},   {SDLK_KP_ENTER, 13}, {SDLK_ESCAPE, 27},
      {SDLK_SPACE, 32},    {SDLK_PAGEUP, 33}, {SDLK_PAGEDOWN, 34}, {SDLK_END, 35},      {SDLK_HOME, 36},
      {SDLK_LEFT, 37},     {SDLK_UP, 38},     {SDLK_RIGHT, 39},    {SDLK_DOWN, 40},     {SDLK_INSERT, 45},
      {SDLK_DELETE, 46},   {SDLK_0, 48},      {SDLK_9, 57},        {SDLK_a, 65},        {SDLK_z, 90},
      {SDLK_F1, 112},      {SDLK_F12, 123}};
  for (const auto& [symbol, code] : keys) {
    SCOPED_TRACE(SDL_GetKeyName(symbol));
    EXPECT_EQ(platform::VirtualKeyCode(symbol), code);
  }
}

TEST(VirtualKeyCode, KeysOutsideTheTableHaveNoCode) {
  for (const SDL_Keycode symbol : {SDLK_LSHIFT, SDLK_F13, SDLK_KP_1, SDLK_SEMICOLON, SDLK_UNKNOWN}) {
    SCOPED_TRACE(SDL_GetKeyName(symbol));
    EXPECT_EQ(platform::VirtualKeyCode(symbol), 0);
  }
}

TEST(Windows1252Characters, TypedTextBecomesTheBytesOfTheWindowsCodePage) {
  struct Case {
    const char* what;
    std::string utf8;
    Bytes expected;
  };
  const std::vector<Case> cases{
      {"plain letters", "Ab 9~", {'A', 'b', ' ', '9', '~'}},
      {"Latin-1 letters keep their code", "\xC3\xA9\xC3\xBF\xC2\xA0", {0xE9, 0xFF, 0xA0}},
      {"the euro sign and the en dash", "\xE2\x82\xAC\xE2\x80\x93", {0x80, 0x96}},
      {"curly quotes and a trade mark", "\xE2\x80\x9C\xE2\x80\x9D\xE2\x84\xA2", {0x93, 0x94, 0x99}},
      {"letters the page lacks are dropped",
       "a\xCE\xA9"
       "b\xF0\x9F\x98\x80"
       "c",
       {'a', 'b', 'c'}},
      {"control characters are dropped", "a\tb\nc\x7F\xC2\x85", {'a', 'b', 'c'}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    EXPECT_EQ(platform::Windows1252Characters(test.utf8), test.expected);
  }
}

TEST(Windows1252Characters, BrokenUtf8IsDroppedAndTheRestStillRead) {
  struct Case {
    const char* what;
    std::string utf8;
    Bytes expected;
  };
  const std::vector<Case> cases{
      {"a sequence cut at the end", "ab\xE2\x82", {'a', 'b'}},
      {"a lead byte at the very end", "a\xC3", {'a'}},
      {"a lone continuation byte", "a\x80z", {'a', 'z'}},
      {"a sequence broken by a plain letter",
       "\xE2"
       "a\xC3\xA9",
       {'a', 0xE9}},
      {"an overlong spelling of '/'", "\xC0\xAFx", {'x'}},
      {"an encoded surrogate", "\xED\xA0\x80y", {'y'}},
      {"beyond the last code point", "\xF4\x90\x80\x80z", {'z'}},
      {"bytes no UTF-8 uses", "\xFF\xFEq", {'q'}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    EXPECT_EQ(platform::Windows1252Characters(test.utf8), test.expected);
  }
}

TEST(MouseKeyFlags, EachButtonAndModifierHasItsBit) {
  EXPECT_EQ(platform::MouseKeyFlags(false, false, false, false, false), 0);
  EXPECT_EQ(platform::MouseKeyFlags(true, false, false, false, false), 1);
  EXPECT_EQ(platform::MouseKeyFlags(false, true, false, false, false), 2);
  EXPECT_EQ(platform::MouseKeyFlags(false, false, false, true, false), 4);
  EXPECT_EQ(platform::MouseKeyFlags(false, false, false, false, true), 8);
  EXPECT_EQ(platform::MouseKeyFlags(false, false, true, false, false), 16);
  EXPECT_EQ(platform::MouseKeyFlags(true, true, true, true, true), 31);
}

// System events pushed into the queue of a started video system.
class PollWindowEventTest : public ::testing::Test {
 protected:
  void SetUp() override {
    USE_OFFSCREEN_VIDEO_OR_SKIP();
    ASSERT_TRUE(platform::StartVideo()) << SDL_GetError();
    started_ = true;
    platform::StartTextInput();
    SDL_SetModState(KMOD_NONE);
    Drain();
  }
  void TearDown() override {
    if (started_) {
      platform::StopVideo();
    }
  }

  // Also forgets the buttons earlier tests left held: a move tells the buttons as they are.
  static void Drain() {
    SDL_Event idleMove{};
    idleMove.type = SDL_MOUSEMOTION;
    SDL_PushEvent(&idleMove);
    WindowEvent ignored;
    while (platform::PollWindowEvent(ignored)) {
    }
  }

  static std::vector<WindowEvent> MessagesOf(SDL_Event event) {
    SDL_PushEvent(&event);
    std::vector<WindowEvent> messages;
    for (WindowEvent message; platform::PollWindowEvent(message);) {
      messages.push_back(message);
    }
    return messages;
  }

  static SDL_Event Key(Uint32 type, SDL_Keycode symbol) {
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = symbol;
    return event;
  }

  static SDL_Event Button(Uint32 type, Uint8 button, int x, int y) {
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    event.button.x = x;
    event.button.y = y;
    return event;
  }

  static SDL_Event Window(SDL_WindowEventID id, int data1 = 0, int data2 = 0) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = static_cast<Uint8>(id);
    event.window.data1 = data1;
    event.window.data2 = data2;
    return event;
  }

 private:
  bool started_ = false;
};

TEST_F(PollWindowEventTest, BackspaceAndEnterAlsoTypeACharacterButEscapeTabAndUnknownKeysDoNot) {
  struct Case {
    SDL_Keycode symbol;
    std::vector<WindowEventKind> kinds;
    std::uint16_t key;
  };
  const std::vector<Case> cases{
      {SDLK_BACKSPACE, {WindowEventKind::KeyDown, WindowEventKind::Character}, 8},
      {SDLK_RETURN, {WindowEventKind::KeyDown, WindowEventKind::Character}, 13},
      {SDLK_KP_ENTER, {WindowEventKind::KeyDown, WindowEventKind::Character}, 13},
      {SDLK_ESCAPE, {WindowEventKind::KeyDown}, 27},
      {SDLK_TAB, {WindowEventKind::KeyDown}, 9},
      {SDLK_LSHIFT, {WindowEventKind::None}, 0},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(SDL_GetKeyName(test.symbol));
    const std::vector<WindowEvent> messages = MessagesOf(Key(SDL_KEYDOWN, test.symbol));
    ASSERT_EQ(messages.size(), test.kinds.size());
    for (std::size_t i = 0; i < messages.size(); ++i) {
      EXPECT_EQ(messages[i].kind, test.kinds[i]);
      EXPECT_EQ(messages[i].key, test.key);
    }
    const std::vector<WindowEvent> release = MessagesOf(Key(SDL_KEYUP, test.symbol));
    ASSERT_EQ(release.size(), 1u);
    EXPECT_EQ(release[0].kind, test.key == 0 ? WindowEventKind::None : WindowEventKind::KeyUp);
    EXPECT_EQ(release[0].key, test.key);
  }
}

TEST_F(PollWindowEventTest, ATypedTextGivesOneCharacterMessagePerCall) {
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  SDL_strlcpy(text.text.text, "a\xC3\xA9\xE2\x82\xAC\xCE\xA9", sizeof text.text.text);
  const std::vector<WindowEvent> messages = MessagesOf(text);
  ASSERT_EQ(messages.size(), 3u);
  const Bytes expected{'a', 0xE9, 0x80};
  for (std::size_t i = 0; i < messages.size(); ++i) {
    EXPECT_EQ(messages[i].kind, WindowEventKind::Character);
    EXPECT_EQ(messages[i].key, expected[i]);
  }
}

// A click arrives as a press and a release in one batch: each message carries
// the buttons as they were at that event, not as they are at polling time.
TEST_F(PollWindowEventTest, ButtonFlagsFollowTheEventsNotTheMouseAtPollingTime) {
  SDL_Event down = Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 30, 40);
  SDL_Event up = Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 31, 41);
  SDL_PushEvent(&down);
  SDL_PushEvent(&up);
  WindowEvent press;
  WindowEvent release;
  ASSERT_TRUE(platform::PollWindowEvent(press));
  ASSERT_TRUE(platform::PollWindowEvent(release));
  EXPECT_EQ(press.kind, WindowEventKind::ButtonDown);
  EXPECT_EQ(press.button, platform::MouseButton::Left);
  EXPECT_EQ(press.flags, platform::kMouseLeft);
  EXPECT_EQ(press.x, 30);
  EXPECT_EQ(press.y, 40);
  EXPECT_EQ(release.kind, WindowEventKind::ButtonUp);
  EXPECT_EQ(release.flags, 0);
  EXPECT_EQ(release.x, 31);
}

TEST_F(PollWindowEventTest, MouseMovesCarryTheHeldButtonsAndTheModifiers) {
  SDL_SetModState(static_cast<SDL_Keymod>(KMOD_LSHIFT | KMOD_RCTRL));
  SDL_Event move{};
  move.type = SDL_MOUSEMOTION;
  move.motion.state = SDL_BUTTON_RMASK | SDL_BUTTON_MMASK;
  move.motion.x = -5;
  move.motion.y = 700;
  const std::vector<WindowEvent> messages = MessagesOf(move);
  SDL_SetModState(KMOD_NONE);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].kind, WindowEventKind::MouseMove);
  EXPECT_EQ(messages[0].flags,
            platform::kMouseRight | platform::kMouseMiddle | platform::kMouseShift | platform::kMouseControl);
  EXPECT_EQ(messages[0].x, -5);
  EXPECT_EQ(messages[0].y, 700);
}

TEST_F(PollWindowEventTest, RightAndMiddleButtonsAndTheWheel) {
  const std::vector<WindowEvent> right = MessagesOf(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 1, 2));
  ASSERT_EQ(right.size(), 1u);
  EXPECT_EQ(right[0].button, platform::MouseButton::Right);
  EXPECT_EQ(right[0].flags, platform::kMouseRight);
  const std::vector<WindowEvent> middle = MessagesOf(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 1, 2));
  ASSERT_EQ(middle.size(), 1u);
  EXPECT_EQ(middle[0].button, platform::MouseButton::Middle);
  EXPECT_EQ(middle[0].flags, platform::kMouseRight);
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = 1;
  const std::vector<WindowEvent> scrolled = MessagesOf(wheel);
  ASSERT_EQ(scrolled.size(), 1u);
  EXPECT_EQ(scrolled[0].kind, WindowEventKind::None);
}

TEST_F(PollWindowEventTest, WindowChangesCloseAndQuit) {
  struct Case {
    const char* what;
    SDL_Event event;
    WindowEventKind kind;
  };
  const std::vector<Case> cases{
      {"minimised", Window(SDL_WINDOWEVENT_MINIMIZED), WindowEventKind::Minimised},
      {"restored", Window(SDL_WINDOWEVENT_RESTORED), WindowEventKind::Restored},
      {"maximised", Window(SDL_WINDOWEVENT_MAXIMIZED), WindowEventKind::Maximised},
      {"closed", Window(SDL_WINDOWEVENT_CLOSE), WindowEventKind::Close},
      {"moved", Window(SDL_WINDOWEVENT_MOVED, 5, 5), WindowEventKind::None},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    const std::vector<WindowEvent> messages = MessagesOf(test.event);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, test.kind);
  }
  const std::vector<WindowEvent> resized = MessagesOf(Window(SDL_WINDOWEVENT_SIZE_CHANGED, 1024, 768));
  ASSERT_EQ(resized.size(), 1u);
  EXPECT_EQ(resized[0].kind, WindowEventKind::SizeChanged);
  EXPECT_EQ(resized[0].width, 1024);
  EXPECT_EQ(resized[0].height, 768);

  platform::PostQuit();
  WindowEvent quit;
  ASSERT_TRUE(platform::PollWindowEvent(quit));
  EXPECT_EQ(quit.kind, WindowEventKind::Quit);
}

}  // namespace
