// The platform layer: the words the window procedure speaks (virtual keys,
// Windows-1252 characters, the mouse key-state word), saved files replaced
// whole or not at all, and message boxes without a display.
#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Events.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "support/TestFiles.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

TEST(VirtualKeyCode, EveryKeyTheGameReadsHasItsWindowsCodeAndNoOtherHasOne) {
  const std::pair<SDL_Keycode, std::uint16_t> keys[] = {
      {SDLK_BACKSPACE, 8}, {SDLK_TAB, 9},     {SDLK_RETURN, 13},   {SDLK_KP_ENTER, 13}, {SDLK_ESCAPE, 27},
      {SDLK_SPACE, 32},    {SDLK_PAGEUP, 33}, {SDLK_PAGEDOWN, 34}, {SDLK_END, 35},      {SDLK_HOME, 36},
      {SDLK_LEFT, 37},     {SDLK_UP, 38},     {SDLK_RIGHT, 39},    {SDLK_DOWN, 40},     {SDLK_INSERT, 45},
      {SDLK_DELETE, 46},   {SDLK_0, 48},      {SDLK_9, 57},        {SDLK_a, 65},        {SDLK_z, 90},
      {SDLK_F1, 112},      {SDLK_F12, 123},   {SDLK_LSHIFT, 0},    {SDLK_F13, 0},       {SDLK_KP_1, 0},
      {SDLK_SEMICOLON, 0}, {SDLK_UNKNOWN, 0}};
  for (const auto& [symbol, code] : keys) {
    EXPECT_EQ(platform::VirtualKeyCode(symbol), code) << SDL_GetKeyName(symbol);
  }
}

TEST(Windows1252Characters, TypedTextBecomesTheBytesOfTheWindowsCodePage) {
  const std::pair<std::string, Bytes> cases[] = {
      {"Ab 9~", {'A', 'b', ' ', '9', '~'}},
      {"\xC3\xA9\xC3\xBF\xC2\xA0", {0xE9, 0xFF, 0xA0}},  // Latin-1 keeps its codes
      {"\xE2\x82\xAC\xE2\x80\x93\xE2\x80\x9C\xE2\x84\xA2",
       {0x80, 0x96, 0x93, 0x99}},                                      // euro, dash, quote, TM
      {"a\xCE\xA9_\xF0\x9F\x98\x80\xE4\xB8\xAD\xC6\x80", {'a', '_'}},  // not on the page
      {"\xC4\x80\xC5\x82\xC5\xBE\xC5\xBF", {'A', 'l', 0x9E, 's'}},     // Latin Extended-A at its best fit
      {"a\tb\nc\x7F\xC2\x85", {'a', 'b', 'c'}},                        // control characters
      {"ab\xE2\x82", {'a', 'b'}},                                      // cut at the end
      {"\xE2_\xC3\xA9", {'_', 0xE9}},                                  // broken by a letter
      {"\xC0\xAFx", {'x'}},                                            // overlong '/'
  };
  for (const auto& [utf8, expected] : cases) {
    EXPECT_EQ(platform::Windows1252Characters(utf8), expected) << utf8;
  }
}

// The desktop's full-screen keys are the window's: the game never sees them,
// and a held key switches once.
TEST(PollWindowEvent, AltEnterAndF11SwitchFullScreenAndOnlyThat) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0);
  using Kind = platform::WindowEventKind;
  struct Press {
    SDL_Keycode key;
    Uint16 modifiers;
    Uint8 repeat;
  };
  for (const Press press : {Press{SDLK_F11, KMOD_NONE, 0}, Press{SDLK_F11, KMOD_NONE, 1},
                            Press{SDLK_RETURN, KMOD_LALT, 0}, Press{SDLK_RETURN, KMOD_NONE, 0}}) {
    for (const Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
      SDL_Event event{};
      event.key.type = type;
      event.key.repeat = press.repeat;
      event.key.keysym.sym = press.key;
      event.key.keysym.mod = press.modifiers;
      SDL_PushEvent(&event);
    }
  }
  std::vector<std::pair<Kind, int>> messages;
  platform::WindowEvent message;
  while (platform::PollWindowEvent(message)) {
    if (message.kind != Kind::None) {
      messages.emplace_back(message.kind, message.key);
    }
  }
  SDL_QuitSubSystem(SDL_INIT_EVENTS);
  EXPECT_EQ(messages, (std::vector<std::pair<Kind, int>>{{Kind::ToggleFullScreen, 0},
                                                         {Kind::ToggleFullScreen, 0},
                                                         {Kind::KeyDown, 13},
                                                         {Kind::Character, 13},
                                                         {Kind::KeyUp, 13}}));
}

TEST(MouseKeyFlags, EachButtonAndModifierHasItsBit) {
  const auto flags = platform::MouseKeyFlags;
  EXPECT_EQ((std::vector<int>{flags(0, 0, 0, 0, 0), flags(1, 0, 0, 0, 0), flags(0, 1, 0, 0, 0),
                              flags(0, 0, 0, 1, 0), flags(0, 0, 0, 0, 1), flags(0, 0, 1, 0, 0)}),
            (std::vector<int>{0, 1, 2, 4, 8, 16}));
}

// A link planted at the name the temporary once had is left alone.
TEST(ReplaceFileContents, TheNewBytesArriveWholeOrTheOldFileStaysAndNoLinkIsWrittenThrough) {
  TempFolder folder;
  const std::string path = folder / "a/b/file.txt";
  ASSERT_TRUE(platform::ReplaceFileContents(path, "first"));
  WriteText(folder / "victim", "untouched");
  fs::create_symlink(folder / "victim", path + ".tmp");
  const mode_t savedMask = umask(027);
  const bool saved = platform::ReplaceFileContents(path, "second");
  bool savedOnAFullDisk = true;
  {
    const DiskFullAfter full(4);
    savedOnAFullDisk = platform::ReplaceFileContents(path, "third, and longer");
  }
  umask(savedMask);
  EXPECT_TRUE(saved && !savedOnAFullDisk);
  EXPECT_EQ(ReadText(path), "second");
  EXPECT_EQ(ReadText(folder / "victim"), "untouched");
  EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640)) << "0644 less the umask";
  fs::create_directories(folder / "a/b/folder/inside");
  EXPECT_FALSE(platform::ReplaceFileContents(folder / "a/b/folder", "new"))
      << "a folder in place of the file";
  EXPECT_EQ(std::distance(fs::directory_iterator(folder / "a/b"), {}), 3) << "no temporary left behind";
  EXPECT_FALSE(platform::ReplaceFileContents(path + "/file.txt", "new")) << "a file in place of a folder";
}

TEST(MessageBox, WithoutADisplayTheTextGoesToStandardError) {
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  testing::internal::CaptureStderr();
  platform::ShowMessageBox("Error", "Wrong model format.", platform::MessageBoxIcon::Warning);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Wrong model format.\n");
}

}  // namespace
