// The common base of the game's screens, the main menu, the game-type screen
// and the help screen on the real application: the window buttons and
// dragging, starting, continuing and discarding games, Escape, and the help
// pages turned with their arrows.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string_view>
#include <utility>
#include <vector>

#include "GameScreenFixture.h"
#include "audio/GameSounds.h"
#include "platform/Events.h"
#include "screens/CollapseWindow.h"
#include "screens/GameTypeWindow.h"
#include "screens/HelpPages.h"
#include "screens/OHelpWindow.h"
#include "screens/OMenuWindow.h"
#include "screens/RemoverWindow.h"
#include "ui/KeyCodes.h"

namespace {

using Sounds = std::vector<std::int32_t>;
using MenusTest = GameScreenFixture;
constexpr std::uint32_t kPlain = 206;

// Where the window stands on the desktop, as the video system has it.
std::pair<int, int> WindowPosition() {
  int x = 0;
  int y = 0;
  SDL_GetWindowPosition(SDL_GL_GetCurrentWindow(), &x, &y);
  return {x, y};
}

// The height on the layout of the middle of what differs between two pictures
// within 20 layout units of a height, where the goodies' models stand.
float MiddleOfChange(const Picture& a, const Picture& b, float y) {
  float sum = 0;
  int count = 0;
  for (int row = static_cast<int>((y - 20) * 600 / 512); row < static_cast<int>((y + 20) * 600 / 512);
       ++row) {
    for (int column = 75; column < 125; ++column) {
      const std::size_t i = (static_cast<std::size_t>(row) * 800 + column) * 4;
      if (std::abs(a[i] - b[i]) + std::abs(a[i + 1] - b[i + 1]) + std::abs(a[i + 2] - b[i + 2]) > 60) {
        sum += static_cast<float>(row) * 512 / 600;
        ++count;
      }
    }
  }
  return count > 0 ? sum / static_cast<float>(count) : 0.0f;
}

// The ids the keyboard's focus stands on after each key.
std::vector<std::uint32_t> FocusAfter(GameScreenFixture& fixture, OScreenList& screens,
                                      const std::vector<OEvent>& keys) {
  std::vector<std::uint32_t> ids;
  for (const OEvent& key : keys) {
    fixture.Input(key);
    const OControl* focus = screens.ActiveWindow()->KeyFocus();
    ids.push_back(focus != nullptr ? focus->id : 0);
  }
  return ids;
}

// Up, Down, Tab and Shift+Tab go round the menu top to bottom, then left to
// right, past the window's own buttons; the focus lights up as the pointer's
// hover does, the pointer moving puts it out, and Enter acts on it.
TEST_F(MenusTest, TheKeysGoRoundTheMenuAndTheGameTypesAndEnterActs) {
  const auto key = [](std::uint16_t code, std::uint16_t flags = 0) {
    return OEvent::Key(OEvent::kKeyDown, code, flags);
  };
  const OEvent down = key(keycode::kDown), up = key(keycode::kUp), tab = key(keycode::kTab);
  const OEvent backTab = key(keycode::kTab, OEvent::kShiftHeld), right = key(keycode::kRight);
  Screens().SetActiveWindow(kMenu);
  Move({790, 590});
  EXPECT_EQ(FocusAfter(*this, Screens(), {down, down, down, down, down, up, tab, tab, backTab, right}),
            (std::vector<std::uint32_t>{OMenuWindow::kNewGame, OMenuWindow::kTopTen, OMenuWindow::kHelp,
                                        OMenuWindow::kExit, OMenuWindow::kNewGame, OMenuWindow::kExit,
                                        OMenuWindow::kNewGame, OMenuWindow::kTopTen, OMenuWindow::kNewGame,
                                        OMenuWindow::kTopTen}));
  OControl* focus = Screens().ActiveWindow()->KeyFocus();
  Input(OEvent::Key(OEvent::kKeyUp, keycode::kRight, 0));
  EXPECT_TRUE(focus->highlighted) << "a key's release, where the pointer is not, leaves the light on";
  Move({780, 580});
  EXPECT_EQ(Screens().ActiveWindow()->KeyFocus(), nullptr);
  EXPECT_FALSE(focus->highlighted) << "the pointer is elsewhere";

  Input(down);
  Input(down);
  // A tap where the pointer rests, with no move before it, still clicks what it is on.
  Send(OEvent::kButtonDown, LayoutPoint(77, 312), platform::kMouseLeft);
  Send(OEvent::kButtonUp, LayoutPoint(77, 312));
  EXPECT_EQ(ActiveScreen(), GameTypeWindow::kIdentifier);
  EXPECT_EQ(FocusAfter(*this, Screens(), {down, down, down, tab}),
            (std::vector<std::uint32_t>{GameTypeWindow::kRemover, GameTypeWindow::kBreakdown,
                                        GameTypeWindow::kBackToMenu, GameTypeWindow::kRemover}));
  Input(key(keycode::kSpace));
  EXPECT_EQ(ActiveScreen(), RemoverWindow::kIdentifier);

  SCOPED_TRACE("a controller's Start goes to the menu and back to the game; its d-pad and A work the menu");
  const auto pad = [](std::uint16_t button) { return OEvent::Key(OEvent::kPadDown, button, 0); };
  Input(pad(padbutton::kStart));
  EXPECT_EQ(ActiveScreen(), kMenu);
  Input(pad(padbutton::kStart));
  EXPECT_EQ(ActiveScreen(), RemoverWindow::kIdentifier);
  Input(pad(padbutton::kStart));
  EXPECT_EQ(FocusAfter(*this, Screens(), {pad(padbutton::kDown), pad(padbutton::kDown)}),
            (std::vector<std::uint32_t>{OMenuWindow::kContinue, OMenuWindow::kNewGame}));
  Input(pad(padbutton::kA));
  EXPECT_EQ(ActiveScreen(), GameTypeWindow::kIdentifier);
  Input(pad(padbutton::kStart));
  EXPECT_EQ(ActiveScreen(), GameTypeWindow::kIdentifier) << "Start continues only from the menu";
}

TEST_F(MenusTest, TheWindowButtonsWorkOnlyInAWindow) {
  GameRenderWindow& screen = Add(std::make_unique<GameRenderWindow>(kPlain));
  Screens().SetActiveWindow(kPlain);
  EXPECT_FALSE(screen.OnCommand(2030, OControl::kClicked)) << "other commands are the screen's";
  ClickAt(442, 485);
  EXPECT_EQ(application_->minimised, std::vector<std::uint8_t>{0});
  ClickAt(484, 485);
  EXPECT_FALSE(QuitPosted()) << "beside the quit button, which is drawn at half size";
  ClickAt(476, 485);
  EXPECT_TRUE(QuitPosted());
  EXPECT_EQ(application_->sounds, Sounds{GameSounds::kClick});

  SCOPED_TRACE("full screen hides the buttons of this screen and of the next one shown");
  ClickAt(459, 485);
  EXPECT_EQ(application_->FullScreen(), 1);
  EXPECT_EQ(Screens().ActiveWindow(), &screen);
  for (const std::uint32_t shown : {kPlain, kMenu}) {
    Screens().SetActiveWindow(shown);
    ClickAt(476, 485);
    ClickAt(442, 485);
  }
  EXPECT_FALSE(QuitPosted());
  EXPECT_EQ(application_->minimised.size(), 1u);

  SCOPED_TRACE(
      "Alt+Enter or F11 leaves full screen and brings the buttons back; either way the choice is kept");
  EXPECT_EQ(ReadText(config_.fileName).substr(0, 6), "1\n32\n1");
  application_->HandleWindowEvent({platform::WindowEventKind::ToggleFullScreen});
  EXPECT_EQ(application_->FullScreen(), 0);
  EXPECT_EQ(ReadText(config_.fileName).substr(0, 6), "1\n32\n0");
  ClickAt(476, 485);
  EXPECT_TRUE(QuitPosted());
}

TEST_F(MenusTest, TheWindowIsDraggedByItsBackgroundWithTheLeftButton) {
  Add(std::make_unique<GameRenderWindow>(kPlain));
  Screens().SetActiveWindow(kPlain);
  const auto [startX, startY] = WindowPosition();
  constexpr std::uint16_t kHeld = platform::kMouseLeft;
  Send(OEvent::kButtonDown, {100, 300}, kHeld);
  Send(OEvent::kMouseMove, {110, 305}, kHeld);
  // The window has moved under the pointer: 4 pixels further right is 104 in it now.
  Send(OEvent::kMouseMove, {104, 300}, kHeld);
  EXPECT_EQ(WindowPosition(), std::pair(startX + 14, startY + 5)) << "the grabbed point follows the pointer";
  Send(OEvent::kMouseMove, {120, 300});
  Send(OEvent::kMouseMove, {140, 300}, kHeld);
  application_->SetFullScreen(1);
  Send(OEvent::kButtonDown, {100, 300}, kHeld);
  Send(OEvent::kMouseMove, {130, 300}, kHeld);
  EXPECT_EQ(WindowPosition(), std::pair(startX + 14, startY + 5))
      << "a release the screen missed ends the drag, and in full screen there is no window to drag";
}

TEST_F(MenusTest, ContinueComesAndGoesWithTheGameInProgress) {
  Screens().SetActiveWindow(kMenu);
  EXPECT_FALSE(menu_->HasContinueButton());
  menu_->OnCommand(OMenuWindow::kNewGame, 1);
  EXPECT_EQ(ActiveScreen(), GameTypeWindow::kIdentifier);
  gameType_->OnCommand(GameTypeWindow::kBreakdown, 1);
  EXPECT_EQ(ActiveScreen(), CollapseWindow::kIdentifier);
  Screens().SetActiveWindow(GameTypeWindow::kIdentifier);
  gameType_->OnCommand(GameTypeWindow::kRemover, 1);
  EXPECT_EQ(Screens().FindWindow(CollapseWindow::kIdentifier), nullptr) << "one game at a time";
  ORenderWindow* game = Screens().FindWindow(RemoverWindow::kIdentifier);
  ASSERT_NE(game, nullptr);
  EXPECT_EQ(application_->sounds, (Sounds{GameSounds::kClick, GameSounds::kAction, GameSounds::kAction}));

  for (int visit = 0; visit < 2; ++visit) {
    Screens().SetActiveWindow(kMenu);
    EXPECT_TRUE(menu_->HasContinueButton()) << "visit " << visit;
  }
  menu_->OnCommand(OMenuWindow::kContinue, 1);
  EXPECT_EQ(Screens().ActiveWindow(), game) << "the same game";
  gameType_->DiscardGame();
  Screens().SetActiveWindow(kMenu);
  EXPECT_FALSE(menu_->HasContinueButton()) << "a discarded game cannot be continued";
  EXPECT_EQ(Screens().FindWindow(RemoverWindow::kIdentifier), nullptr);

  SCOPED_TRACE("Escape goes back from the game type and ends the game on the menu");
  Screens().SetActiveWindow(GameTypeWindow::kIdentifier);
  application_->sounds.clear();
  PressKey(kEscape);
  EXPECT_EQ(ActiveScreen(), kMenu);
  EXPECT_FALSE(QuitPosted());
  PressKey(kEscape);
  EXPECT_TRUE(QuitPosted());
  EXPECT_EQ(application_->sounds, (Sounds{GameSounds::kAction, GameSounds::kClick}));
}

TEST_F(MenusTest, HelpArrowsTurnThePagesAndStopAtBothEnds) {
  OHelpWindow& help = Add(std::make_unique<OHelpWindow>());
  Screens().SetActiveWindow(OHelpWindow::kIdentifier);
  const auto next = [this] { ClickAt(307, 46); };
  const auto previous = [this] { ClickAt(205, 46); };
  previous();
  EXPECT_TRUE(application_->sounds.empty()) << "the back arrow is off on the first page";
  for (const std::uint32_t page :
       {OHelpWindow::kGameTypesPage, OHelpWindow::kGoodiesPage, OHelpWindow::kCreditsPage,
        OHelpWindow::kControlsPage, OHelpWindow::kControlsPage}) {
    next();
    EXPECT_EQ(help.Page(), page);
  }
  EXPECT_EQ(application_->sounds, Sounds(4, GameSounds::kAction))
      << "the forward arrow is off on the last page";
  previous();
  next();
  EXPECT_EQ(help.Page(), OHelpWindow::kControlsPage) << "the forward arrow works again once back";

  SCOPED_TRACE("Escape leaves quietly and keeps the page; the menu button starts over");
  application_->sounds.clear();
  PressKey(kEscape);
  Screens().SetActiveWindow(OHelpWindow::kIdentifier);
  EXPECT_EQ(help.Page(), OHelpWindow::kControlsPage);
  ClickAt(256, 46);
  EXPECT_EQ(ActiveScreen(), kMenu);
  EXPECT_EQ(application_->sounds, Sounds{GameSounds::kAction});
  Screens().SetActiveWindow(OHelpWindow::kIdentifier);
  previous();
  EXPECT_EQ(help.Page(), OHelpWindow::kOverviewPage) << "the back arrow is off again";

  SCOPED_TRACE("Left and Right, Page Up and Page Down turn the pages as the arrows do");
  application_->sounds.clear();
  PressKey(keycode::kLeft);
  PressKey(keycode::kRight);
  PressKey(keycode::kPageDown);
  EXPECT_EQ(help.Page(), OHelpWindow::kGoodiesPage);
  for (int press = 0; press < 3; ++press) {
    PressKey(keycode::kRight);
  }
  EXPECT_EQ(help.Page(), OHelpWindow::kControlsPage);
  PressKey(keycode::kPageUp);
  EXPECT_EQ(help.Page(), OHelpWindow::kCreditsPage);
  EXPECT_EQ(application_->sounds, Sounds(5, GameSounds::kAction)) << "a key past either end is quiet";
}

TEST_F(MenusTest, OnlyTheGoodiesPageShowsTheModelsEachLevelWithItsWords) {
  Add(std::make_unique<ORenderWindow>(kPlain));
  Screens().SetActiveWindow(kPlain);
  const Picture plain = DrawFrame();
  OHelpWindow& help = Add(std::make_unique<OHelpWindow>());
  Screens().SetActiveWindow(OHelpWindow::kIdentifier);
  for (std::uint32_t page = OHelpWindow::kOverviewPage; page <= OHelpWindow::kLastPage; ++page) {
    SCOPED_TRACE(page);
    while (help.Page() < page) {
      help.OnCommand(OHelpWindow::kNextPage, 1);
    }
    const Picture& shown = DrawFrame();
    const bool goodies = page == OHelpWindow::kGoodiesPage;
    // The models stand left of the goodies page's words, the red colour bomb
    // left of where the other pages' words begin.
    const float colourBombY = 412.0f - 14.4f * 7;
    EXPECT_EQ(ChangedAround(plain, shown, 35, colourBombY, 5) > 40, goodies);
    for (const int line : {2, 7, 11, 14, 17, 21}) {
      if (goodies) {
        EXPECT_NEAR(MiddleOfChange(plain, shown, 412.0f - 14.4f * line), 412.0f - 14.4f * line, 4) << line;
      }
    }
  }
}

TEST(HelpPagesTest, ABlankLineComesBeforeEachSectionAndNowhereElse) {
  // A section of the credits is a role over its names; elsewhere a heading opens it.
  const auto pages = HelpPages();
  for (std::size_t page = 0; page < pages.size(); ++page) {
    const HelpLine::Kind opening =
        std::string_view(pages[page].title) == "CREDITS" ? HelpLine::kBody : HelpLine::kHeading;
    for (std::size_t i = 1; i < pages[page].lines.size(); ++i) {
      const HelpLine& line = pages[page].lines[i];
      EXPECT_EQ(line.index - pages[page].lines[i - 1].index, line.kind == opening ? 2 : 1) << line.text;
    }
  }
}

}  // namespace
