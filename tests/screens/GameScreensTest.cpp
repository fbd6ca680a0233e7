// The Remover and Breakdown screens on the real application: the rings
// dropping in, the group under the pointer, a click that scores, the rotate
// and menu buttons, the game kept as it stands behind the menu, the supply
// ring pushing rows, levels, and the end of a game handed on.
#include <algorithm>
#include <string>
#include <vector>

#include "GameScreenFixture.h"
#include "audio/GameSounds.h"
#include "game/Block.h"
#include "game/BlockManager.h"
#include "game/BoardCursor.h"
#include "game/BoardPicture.h"
#include "game/CollapseCylinder.h"
#include "game/Cylinder.h"
#include "game/LevelRules.h"
#include "game/SupRing.h"
#include "screens/CollapseWindow.h"
#include "screens/RemoverWindow.h"
#include "ui/KeyCodes.h"

namespace {

using Sounds = std::vector<std::int32_t>;

class GameScreensTest : public GameScreenFixture {
 protected:
  template <typename Screen>
  Screen& Play() {
    Screen& screen = Show<Screen>();
    FinishIntro(screen);
    return screen;
  }
  // Walks the cursor, shown at the top ring's right edge, over every place of
  // the front in turn until it is on a group; `press` makes an event of a
  // key or button code.
  bool WalkOntoAGroup(BoardWindow& screen, const std::function<OEvent(std::uint16_t)>& press,
                      std::uint16_t left, std::uint16_t right, std::uint16_t down) {
    const int rings = screen.Board()->RingCount();
    for (int ring = 0; ring < rings; ++ring, Input(press(down))) {
      for (int column = 0; column < 2 * BoardCursor::kReach; ++column) {
        Input(press(ring % 2 == 0 ? left : right));
        Run(16);
        if (screen.Rules().Removable()) {
          return true;
        }
      }
    }
    return false;
  }
  // The blocks drawn in the group highlight's flat full colour.
  static int HighlightedBlocks(const Cylinder& board) {
    int count = 0;
    for (int slot = 0; slot < board.RingCount(); ++slot) {
      const Ring& ring = board.RingInSlot(slot);
      for (std::uint32_t cell = 0; cell < ring.CellCount(); ++cell) {
        const Block& block = ring.BlockAt(static_cast<std::uint16_t>(cell));
        count += block.colour != kEmpty && block.Alpha() == 1.0f ? 1 : 0;
      }
    }
    return count;
  }
};

TEST_F(GameScreensTest, AClickedGroupScoresAndTheGameWaitsAsItStandsBehindTheMenu) {
  RemoverWindow& screen = Show<RemoverWindow>();
  EXPECT_EQ(screen.Board()->State(), BoardState::Intro);
  EXPECT_EQ(screen.ScoreText(), "0");
  EXPECT_EQ(screen.SkillText(), "Easy");
  DrawFrame();
  FinishIntro(screen);
  const std::string dealt = BoardPicture::Of(*screen.Board());
  EXPECT_EQ(std::count(dealt.begin(), dealt.end(), '.'), 0) << "all ten rings start full";
  const Pixel group = PointAtGroup(screen);
  Run(16);
  const int highlighted = HighlightedBlocks(*screen.Board());
  EXPECT_GE(highlighted, 2) << "hovering lights up the group";
  Click(group);
  Run(16);
  const BoardState moving = screen.Board()->State();
  ASSERT_NE(moving, BoardState::Idle);
  const std::string board = BoardPicture::Of(*screen.Board());
  PressKey(kEscape);
  EXPECT_EQ(ActiveScreen(), kMenu);
  for (int frame = 0; frame < 50; ++frame) {
    application_->Frame(100);
  }
  Screens().SetActiveWindow(RemoverWindow::kIdentifier);
  EXPECT_EQ(screen.Board()->State(), moving);
  EXPECT_EQ(BoardPicture::Of(*screen.Board()), board) << "nothing moved while the menu was shown";
  FinishMove(screen);
  const std::string after = BoardPicture::Of(*screen.Board());
  EXPECT_EQ(std::count(after.begin(), after.end(), '.'), highlighted);
  EXPECT_GT(screen.Rules().Score(), 0u);
  EXPECT_EQ(screen.ScoreText(), std::to_string(screen.Rules().Score()));
  ClickAt(450, 25);
  EXPECT_EQ(ActiveScreen(), kMenu) << "the menu button";
  EXPECT_EQ(application_->sounds, (Sounds{GameSounds::kAction, GameSounds::kAction}));
}

TEST_F(GameScreensTest, TheRotateButtonsTurnAllRingsOnlyWhileTheBoardRests) {
  RemoverWindow& screen = Play<RemoverWindow>();
  // A picture's row is 20 letters with a blank or line end after each.
  const std::string before = BoardPicture::Of(*screen.Board());
  ClickAt(90, 256);
  FinishMove(screen);
  const auto turned = [&before](std::size_t by) {
    std::string cells = before;
    for (std::size_t cell = 0; cell < before.size(); cell += 2) {
      cells[cell / 40 * 40 + (cell % 40 + 2 * by) % 40] = before[cell];
    }
    return cells;
  };
  const std::string after = BoardPicture::Of(*screen.Board());
  EXPECT_TRUE(after == turned(1) || after == turned(19)) << "every ring one step";
  Click(PointAtGroup(screen));
  ASSERT_EQ(screen.Board()->State(), BoardState::Falling);
  EXPECT_TRUE(screen.OnCommand(2032, OControl::kControlPressed));
  EXPECT_TRUE(screen.OnCommand(2033, OControl::kControlPressed));
  screen.OnCommand(2032, OControl::kControlReleased);
  EXPECT_EQ(screen.Board()->State(), BoardState::Falling) << "a press while blocks fall does nothing";
}

// The keyboard alone: the arrows walk the cursor to a group, Space removes it,
// Z held turns the cursor's ring step after step, Shift+X turns them all, and
// the pointer moving hands the board back to the mouse.
TEST_F(GameScreensTest, TheKeyboardAlonePlaysTheBoard) {
  using namespace keycode;
  RemoverWindow& screen = Play<RemoverWindow>();
  Cylinder& board = *screen.Board();
  const BoardCursor& cursor = screen.Cursor();
  const Picture before = DrawFrame();
  PressKey(kRight);
  ASSERT_TRUE(cursor.Shown());
  EXPECT_EQ(cursor.Column(), 0) << "the first press only shows the cursor";
  EXPECT_EQ(&board.RingInSlot(board.ActiveRing()), &board.RingAt(board.RingCount() / 2));
  EXPECT_GT(ChangedAround(before, DrawFrame(), 256, 256, 60), 200) << "its frame and the ring's circles";

  for (int press = 0; press < 12; ++press) {
    PressKey(kUp);
    PressKey(kLeft);
  }
  EXPECT_EQ(cursor.Position(), board.RingCount() - 1) << "stops at the top ring";
  for (int press = 0; press < 12; ++press) {
    PressKey(kDown);
  }
  EXPECT_EQ(cursor.Position(), 0) << "and at the bottom one, with no supply ring under it";
  for (int press = 0; press < 12; ++press) {
    PressKey(kUp);
  }
  EXPECT_EQ(cursor.Column(), BoardCursor::kReach) << "and at the edge of the front";
  EXPECT_EQ(board.RingAt(cursor.Position()).HoveredCell(),
            board.RingAt(cursor.Position()).IndexOfColumn(BoardCursor::kReach));

  for (int press = 0; press < 12; ++press) {
    PressKey(kRight);
  }
  EXPECT_EQ(cursor.Column(), -BoardCursor::kReach);

  const auto key = [](std::uint16_t code) { return OEvent::Key(OEvent::kKeyDown, code, 0); };
  ASSERT_TRUE(WalkOntoAGroup(screen, key, kLeft, kRight, kDown));
  PressKey(kSpace);
  EXPECT_NE(board.State(), BoardState::Idle);
  FinishMove(screen);
  EXPECT_GT(screen.Rules().Score(), 0u);

  Ring& ring = board.RingAt(cursor.Position());
  const int offset = ring.Offset();
  PressKey('Z');
  EXPECT_EQ(ring.TurnState(), RingTurn::Turning);
  EXPECT_EQ(ring.Direction(), 1) << "the way the left rotate arrow turns";
  for (int frame = 0; frame < 40; ++frame) {
    Run(16);
    PressKey('Z');  // the key repeating
    if (frame == 39) {
      PressKey('X');  // the other turn key, while one is held, does nothing
    }
  }
  application_->OnInput(OEvent::Key(OEvent::kKeyUp, 'Z', 0));
  ASSERT_TRUE(RunUntil([&ring] { return ring.TurnState() == RingTurn::Still; }));
  FinishMove(screen);
  const int stepsTurned = (ring.Offset() - offset + 20) % 20;
  EXPECT_GE(stepsTurned, 3) << "a held key keeps turning";
  EXPECT_LE(stepsTurned, 5);
  EXPECT_EQ(ring.HoveredCell(), ring.IndexOfColumn(cursor.Column())) << "the cursor stayed where it was";

  application_->OnInput(OEvent::Key(OEvent::kKeyDown, 'X', OEvent::kShiftHeld));
  EXPECT_EQ(board.State(), BoardState::RotatingAll);
  application_->OnInput(OEvent::Key(OEvent::kKeyUp, 'X', 0));
  FinishMove(screen);
  EXPECT_EQ(board.State(), BoardState::Idle) << "the release stops every ring, Shift or not";

  // Escape with Z held: the ring finishes its step, and Z turns it again on the way back.
  PressKey('Z');
  PressKey(kEscape);
  EXPECT_EQ(ActiveScreen(), kMenu);
  EXPECT_EQ(ring.TurnState(), RingTurn::Stopping);
  Screens().SetActiveWindow(RemoverWindow::kIdentifier);
  ASSERT_TRUE(RunUntil([&ring] { return ring.TurnState() == RingTurn::Still; }));
  FinishMove(screen);
  PressKey('Z');
  EXPECT_EQ(ring.TurnState(), RingTurn::Turning);

  Move(LayoutPoint(256, 256));
  EXPECT_FALSE(cursor.Shown());
}

// A controller plays as the keys do: the d-pad moves the cursor, A removes the
// group, a shoulder held turns the cursor's ring and a trigger every ring; B
// and Start leave for the menu.
TEST_F(GameScreensTest, AControllerPlaysTheBoard) {
  using namespace padbutton;
  RemoverWindow& screen = Play<RemoverWindow>();
  Cylinder& board = *screen.Board();
  const BoardCursor& cursor = screen.Cursor();
  const auto pad = [](std::uint16_t button, std::uint32_t type = OEvent::kPadDown) {
    return OEvent::Key(type, button, 0);
  };
  for (int press = 0; press < 12; ++press) {
    Input(pad(kUp));
    Input(pad(kRight));
  }
  EXPECT_EQ(cursor.Position(), board.RingCount() - 1);
  EXPECT_EQ(cursor.Column(), -BoardCursor::kReach);
  ASSERT_TRUE(WalkOntoAGroup(screen, pad, kLeft, kRight, kDown));
  Input(pad(kA));
  FinishMove(screen);
  EXPECT_GT(screen.Rules().Score(), 0u);

  Ring& ring = board.RingAt(cursor.Position());
  Input(pad(kRightShoulder));
  EXPECT_EQ(ring.TurnState(), RingTurn::Turning);
  EXPECT_EQ(ring.Direction(), -1) << "the way the right rotate arrow turns";
  Run(16, 10);
  Input(pad(kLeftShoulder, OEvent::kPadUp));
  EXPECT_EQ(ring.TurnState(), RingTurn::Turning) << "only the held shoulder's release stops the turn";
  Input(pad(kRightShoulder, OEvent::kPadUp));
  ASSERT_TRUE(RunUntil([&ring] { return ring.TurnState() == RingTurn::Still; }));
  FinishMove(screen);
  Input(pad(kLeftTrigger));
  EXPECT_EQ(board.State(), BoardState::RotatingAll);
  Input(pad(kLeftTrigger, OEvent::kPadUp));
  FinishMove(screen);
  EXPECT_EQ(board.State(), BoardState::Idle);

  for (const std::uint16_t leave : {kB, kStart}) {
    Input(pad(leave));
    EXPECT_EQ(ActiveScreen(), kMenu);
    Screens().SetActiveWindow(RemoverWindow::kIdentifier);
  }
}

// In Breakdown, Down goes on from the bottom ring to the supply ring, whose
// circles show, and Space there pushes the row.
TEST_F(GameScreensTest, TheCursorReachesTheSupplyRingAndPushesARow) {
  using namespace keycode;
  CollapseWindow& screen = Play<CollapseWindow>();
  const BoardCursor& cursor = screen.Cursor();
  for (int press = 0; press < 12; ++press) {
    PressKey(kDown);
  }
  EXPECT_EQ(cursor.Position(), BoardCursor::kSupplyPosition);
  EXPECT_TRUE(screen.Supply().highlighted);
  EXPECT_EQ(screen.Board()->ActiveRing(), -1);
  const std::string rowsLeft = screen.RowsLeftText();
  PressKey(kSpace);
  FinishMove(screen);
  EXPECT_EQ(std::stoi(screen.RowsLeftText()), std::stoi(rowsLeft) - 1);
  PressKey(kUp);
  EXPECT_FALSE(screen.Supply().highlighted);
  EXPECT_EQ(&screen.Board()->RingInSlot(screen.Board()->ActiveRing()), &screen.Board()->RingAt(0));
  // The top rings are empty: there the cursor points at nothing, and Space pushes nothing.
  for (int press = 0; press < 12; ++press) {
    PressKey(kUp);
  }
  EXPECT_EQ(screen.Board()->ActiveRing(), -1);
  EXPECT_FALSE(screen.Supply().highlighted);
  const std::string rowsBefore = screen.RowsLeftText();
  PressKey(kSpace);
  FinishMove(screen);
  EXPECT_EQ(screen.RowsLeftText(), rowsBefore);
}

TEST_F(GameScreensTest, TheBoardButtonsAndTheScoreLineAreDrawn) {
  Add(std::make_unique<ORenderWindow>(205), "brightgameback.jpg");
  Screens().SetActiveWindow(205);
  const Picture background = DrawFrame();
  Play<RemoverWindow>();
  const Picture& game = DrawFrame();
  ASSERT_EQ(game.size(), background.size());
  EXPECT_GT(ChangedAround(game, background, 256, 256, 20), 200) << "the board";
  EXPECT_GT(ChangedAround(game, background, 90, 256, 8), 20) << "the clockwise button";
  EXPECT_GT(ChangedAround(game, background, 420, 256, 8), 20) << "the anticlockwise button";
  EXPECT_GT(ChangedAround(game, background, 450, 25, 8), 20) << "the menu button";
  EXPECT_GT(ChangedAround(game, background, 459, 485, 6), 30) << "the window buttons";
  EXPECT_GT(ChangedAround(game, background, 30, 486, 6), 10) << "Score:";
  EXPECT_GT(ChangedAround(game, background, 25, 468, 6), 10) << "the skill's name";
}

// P, or the window losing the focus, pauses Breakdown: for a minute nothing
// fills or moves, the board hides behind "Paused", and the game stays paused
// through the menu until P again. Remover has no clock, and no pause.
TEST_F(GameScreensTest, BreakdownPausesUntilThePlayerResumes) {
  CollapseWindow& screen = Play<CollapseWindow>();
  const auto filledAfter = [this, &screen](int tenthsOfASecond) {
    Run(100, tenthsOfASecond);
    return screen.Supply().Filled();
  };
  const Pixel group = PointAtGroup(screen);
  const Picture playing = DrawFrame();
  const auto p = [](std::uint32_t type) { return OEvent::Key(type, keycode::kPause, 0); };
  Input(p(OEvent::kKeyDown));
  Input(p(OEvent::kKeyDown));  // held: the key repeats
  ASSERT_TRUE(screen.Paused());
  const std::string rowsLeft = screen.RowsLeftText();
  const std::uint16_t filled = screen.Supply().Filled();
  EXPECT_EQ(filledAfter(600), filled) << "a minute paused";
  EXPECT_EQ(screen.RowsLeftText(), rowsLeft);
  // Below the word: only the board changes there.
  EXPECT_GT(ChangedAround(playing, DrawFrame(), 256, 140, 60), 3000) << "the board is hidden";
  Click(group);
  Input(p(OEvent::kKeyUp));
  Input(p(OEvent::kKeyDown));
  EXPECT_FALSE(screen.Paused());
  EXPECT_EQ(screen.Rules().Score(), 0u) << "the click while paused removed nothing";
  EXPECT_NE(filledAfter(10), filled) << "the supply ring fills again";

  application_->FocusLost();
  EXPECT_TRUE(screen.Paused());
  Input(OEvent::Key(OEvent::kKeyDown, keycode::kEscape, 0));
  EXPECT_EQ(ActiveScreen(), kMenu);
  Screens().SetActiveWindow(CollapseWindow::kIdentifier);
  EXPECT_TRUE(screen.Paused()) << "back from the menu, still paused";

  RemoverWindow& remover = Play<RemoverWindow>();
  Input(p(OEvent::kKeyDown));
  application_->FocusLost();
  EXPECT_FALSE(remover.Paused());
}

TEST_F(GameScreensTest, ALevelCompletesCountsAndTheNextOneStarts) {
  CollapseWindow& screen = Show<CollapseWindow>();
  EXPECT_EQ(screen.LevelText(), "1");
  EXPECT_EQ(screen.RowsLeftText(), "25");
  FinishIntro(screen);
  const auto emptyBoard = [&screen] {
    BoardPicture::Paint(*screen.Board(), std::vector<std::string>(10, std::string(20, '.')));
  };
  emptyBoard();
  // The supply ring turns but stays where it hangs, so the first pixel found serves every click.
  const Pixel supply = PointWhere([&screen] { return screen.Supply().highlighted; });
  ASSERT_EQ(screen.Supply().Filled(), 0);
  const Picture pointed = DrawFrame();
  Move({1, 1});
  EXPECT_GT(ChangedAround(DrawFrame(), pointed, 256, 256, 256), 2000)
      << "an empty supply ring shows its circles";
  for (std::uint32_t row = 0; row < LevelRules::For(1).rowsToClear; ++row) {
    emptyBoard();
    Click(supply);
    FinishMove(screen);
  }
  EXPECT_EQ(screen.RowsLeftText(), "0");
  std::vector<std::string> oneRow(10, std::string(20, '.'));
  oneRow[9] = "YGRYGRYGRYGRYGRYGRYG";
  BoardPicture::Paint(*screen.Board(), oneRow);
  PointWhere([&screen] { return screen.Board()->ActiveRing() != -1; });
  ASSERT_FALSE(screen.ArrowClips().Empty());
  ASSERT_TRUE(RunUntil([&screen] { return screen.Rules().LevelDone(); }));
  EXPECT_TRUE(screen.ArrowClips().Empty()) << "the ring's arrow goes at once";
  ASSERT_GT(screen.LongTexts().Size(), 0u);
  EXPECT_EQ(screen.LongTexts().At(0).text, "Level Completed");
  const std::uint32_t score = screen.Rules().Score();
  // The new board may take the old one's place in memory, so the level's number tells.
  ASSERT_TRUE(RunUntil([&screen] { return screen.LevelText() == "2"; }));
  EXPECT_GT(screen.Rules().Score(), score) << "the empty cells were counted";
  EXPECT_EQ(screen.ScoreText(), std::to_string(screen.Rules().Score()));
  EXPECT_EQ(screen.RowsLeftText(), std::to_string(LevelRules::For(2).rowsToClear));
  EXPECT_EQ(screen.Board()->State(), BoardState::Intro) << "the next board drops in";
  DrawFrame();
  FinishIntro(screen);
}

TEST_F(GameScreensTest, TheRingsArrowGoesAtOnceWhenTheGameIsOver) {
  RemoverWindow& screen = Play<RemoverWindow>();
  std::vector<std::string> lastPair(10, std::string(20, '.'));
  lastPair[9] = "YY" + std::string(18, '.');
  BoardPicture::Paint(*screen.Board(), lastPair);
  const Pixel pair = PointAtGroup(screen);
  ASSERT_FALSE(screen.ArrowClips().Empty());
  Click(pair);
  FinishMove(screen);
  ASSERT_EQ(screen.Board()->State(), BoardState::GameOver);
  EXPECT_TRUE(screen.ArrowClips().Empty());
}

TEST_F(GameScreensTest, AStartLevelOutsideTheTableStartsAtItsNearestEnd) {
  for (const auto& [setting, shown] : std::vector<std::pair<std::int32_t, std::string>>{
           {0, "1"}, {-3, "1"}, {4, "4"}, {11, "10"}, {1000, "10"}}) {
    SCOPED_TRACE(setting);
    OConfig::Instance().startLevel = setting;
    EXPECT_EQ(Show<CollapseWindow>().LevelText(), shown);
  }
}

}  // namespace
