// Remover's moves taken back and played again, from every device, and its
// numbered deals: a number always deals the same board, and R deals it again.
#include <cstdint>
#include <string>
#include <vector>

#include "GameScreenFixture.h"
#include "game/BoardPicture.h"
#include "game/Cylinder.h"
#include "game/SceneTextList.h"
#include "screens/RemoverWindow.h"
#include "ui/KeyCodes.h"

namespace {

class RemoverMovesTest : public GameScreenFixture {
 protected:
  RemoverWindow& Deal(std::uint32_t number) {
    RemoverWindow& screen = Add(std::make_unique<RemoverWindow>(number), "brightgameback.jpg");
    Screens().SetActiveWindow(RemoverWindow::kIdentifier);
    FinishIntro(screen);
    return screen;
  }

  // What a move changes: the blocks, how far each ring stands turned and at
  // what angle it is drawn, and the score.
  struct Position {
    std::string picture;
    std::vector<float> turns;
    std::uint32_t score;
    bool operator==(const Position&) const = default;
    friend void PrintTo(const Position& position, std::ostream* out) {
      *out << "score " << position.score << ", turns";
      for (std::size_t ring = 0; ring < position.turns.size(); ring += 3) {
        *out << " " << position.turns[ring];
      }
      *out << "\n" << position.picture;
    }
  };
  static Position Now(RemoverWindow& screen) {
    Position now{BoardPicture::Of(*screen.Board()), {}, screen.Rules().Score()};
    for (int slot = 0; slot < screen.Board()->RingCount(); ++slot) {
      const Ring& ring = screen.Board()->RingInSlot(slot);
      now.turns.insert(now.turns.end(),
                       {static_cast<float>(ring.Offset()), ring.transform[0], ring.transform[1]});
    }
    return now;
  }

  void Press(std::uint32_t type, std::uint16_t code, std::uint16_t flags = 0) {
    Input(OEvent::Key(type, code, flags));
  }
  void TurnTheMiddleRing(RemoverWindow& screen) {
    Press(OEvent::kKeyDown, 'Z');
    Run(16, 12);
    EXPECT_FALSE(screen.Undo()) << "not while a ring turns";
    Press(OEvent::kKeyUp, 'Z');
    ASSERT_TRUE(RunUntil([&screen] {
      const Cylinder& board = *screen.Board();
      return board.State() == BoardState::Idle &&
             board.RingAt(board.RingCount() / 2).TurnState() == RingTurn::Still;
    }));
  }
};

// Every move goes back to the board, turns and score just before it (the turns
// made before its click included), and forward again to just after it, by
// every key, button and controller button that does it.
TEST_F(RemoverMovesTest, EveryMoveIsTakenBackAndPlayedAgainExactly) {
  RemoverWindow& screen = Deal(4242);
  std::vector<Position> positions{Now(screen)};
  Click(PointWhere([&screen] { return screen.Board()->ActiveRing() != -1 && !screen.Rules().Removable(); }));
  FinishMove(screen);
  EXPECT_FALSE(screen.Moves().CanUndo()) << "a click that removed nothing is no move";
  constexpr int kMoves = 4;
  for (int move = 0; move < kMoves; ++move) {
    if (move % 2 == 0) {
      TurnTheMiddleRing(screen);
      ASSERT_NE(Now(screen), positions.back()) << "the turn moved the board";
    }
    Click(PointAtGroup(screen));
    EXPECT_FALSE(screen.Undo()) << "not while the blocks fall";
    FinishMove(screen);
    positions.push_back(Now(screen));
  }
  const std::vector<std::function<void()>> undos{
      [this] { Press(OEvent::kKeyDown, 'Z', OEvent::kControlHeld); },
      [this] { Press(OEvent::kKeyDown, keycode::kBackspace); },
      [this] { Press(OEvent::kPadDown, padbutton::kX); }, [this] { ClickAt(300, 25); }};
  for (int move = kMoves; move > 0; --move) {
    undos[static_cast<std::size_t>(move - 1)]();
    EXPECT_EQ(Now(screen), positions[static_cast<std::size_t>(move - 1)]) << "undoing move " << move;
  }
  EXPECT_FALSE(screen.Undo()) << "nothing before the deal";
  const std::vector<std::function<void()>> redos{
      [this] { Press(OEvent::kKeyDown, 'Y', OEvent::kControlHeld); },
      [this] { Press(OEvent::kKeyDown, 'Z', OEvent::kControlHeld | OEvent::kShiftHeld); },
      [this] { ClickAt(375, 25); }, [&screen] { screen.Redo(); }};
  for (int move = 1; move <= kMoves; ++move) {
    redos[static_cast<std::size_t>(move - 1)]();
    EXPECT_EQ(Now(screen), positions[static_cast<std::size_t>(move)]) << "redoing move " << move;
  }
  EXPECT_FALSE(screen.Redo());

  SCOPED_TRACE("a new move ends the moves taken back");
  screen.Undo();
  screen.Undo();
  Click(PointAtGroup(screen));
  FinishMove(screen);
  EXPECT_FALSE(screen.Moves().CanRedo());
  EXPECT_TRUE(screen.Undo());
  EXPECT_EQ(Now(screen), positions[kMoves - 2]);
}

TEST_F(RemoverMovesTest, AnEndedGameIsTakenBackIntoPlay) {
  RemoverWindow& screen = Deal(1);
  const Position dealt = Now(screen);
  std::vector<std::string> lastGroup(10, std::string(20, '.'));
  lastGroup[9] = "YY" + std::string(18, '.');
  BoardPicture::Paint(*screen.Board(), lastGroup);
  Click(PointAtGroup(screen));
  FinishMove(screen);
  ASSERT_EQ(screen.Board()->State(), BoardState::GameOver);
  ASSERT_EQ(screen.LongTexts().Size(), 1u);
  Press(OEvent::kKeyDown, 'Z', OEvent::kControlHeld);
  EXPECT_EQ(screen.Board()->State(), BoardState::Idle);
  EXPECT_EQ(Now(screen), dealt);
  EXPECT_EQ(screen.LongTexts().Size(), 0u) << "You win!!! is gone";
  EXPECT_FALSE(screen.Rules().Won());
  Run(100, 50);
  EXPECT_EQ(ActiveScreen(), RemoverWindow::kIdentifier) << "the game goes on, not to the top ten";
  EXPECT_TRUE(screen.Redo());
  EXPECT_EQ(screen.Board()->State(), BoardState::GameOver) << "played again, the move ends the game again";
}

// FNV-1a of a board's picture.
std::uint32_t Fingerprint(const std::string& picture) {
  std::uint32_t hash = 2166136261u;
  for (const char letter : picture) {
    hash = (hash ^ static_cast<std::uint8_t>(letter)) * 16777619u;
  }
  return hash;
}

// A deal's number is how players pass a board on: its board never changes.
TEST_F(RemoverMovesTest, ADealNumberAlwaysDealsTheSameBoardAndRDealsItAgain) {
  for (const auto& [deal, fingerprint] : {std::pair{1u, 4194611284u}, std::pair{48213u, 1447159624u},
                                          std::pair{RemoverRules::kLastDeal, 2329910763u}}) {
    EXPECT_EQ(Fingerprint(BoardPicture::Of(*Deal(deal).Board())), fingerprint) << "deal " << deal;
  }
  RemoverWindow& screen = Deal(48213);
  const Position dealt = Now(screen);
  for (const auto& replay : std::vector<std::function<void()>>{[this] { Press(OEvent::kKeyDown, 'R'); },
                                                               [this] { ClickAt(225, 25); }}) {
    Click(PointAtGroup(screen));
    FinishMove(screen);
    ASSERT_GT(screen.Rules().Score(), 0u);
    replay();
    FinishIntro(screen);
    EXPECT_EQ(Now(screen), dealt);
    EXPECT_EQ(screen.Rules().Score(), 0u);
    EXPECT_EQ(screen.Deal(), 48213u);
    EXPECT_FALSE(screen.Moves().CanUndo()) << "a new start";
  }
}

}  // namespace
