// The Remover screen on the real application: the rings dropping in, the
// group under the pointer, a click that scores, the rotate buttons, leaving
// for the menu and coming back, and the end of a game.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "GameScreenFixture.h"
#include "audio/GameSounds.h"
#include "audio/OMusicList.h"
#include "game/BlockManager.h"
#include "game/BoardPicture.h"
#include "game/Cylinder.h"
#include "screens/RemoverWindow.h"

namespace {

constexpr std::uint16_t kEscape = 27;

class RemoverWindowTest : public GameScreenFixture {
 protected:
  RemoverWindow& Play() {
    RemoverWindow& screen = Show<RemoverWindow>();
    FinishIntro(screen);
    return screen;
  }

  // The pointer over a group big enough to remove.
  Pixel PointAtGroup(RemoverWindow& screen) {
    const std::optional<Pixel> found = FindPointer([&screen] { return screen.Rules().Removable(); });
    EXPECT_TRUE(found.has_value()) << "no removable group under any pixel";
    return found.value_or(Pixel{0, 0});
  }

  // How far every ring has turned, in columns, when all turned alike; -1 otherwise.
  static int CommonTurn(const std::vector<std::uint16_t>& before, const std::vector<std::uint16_t>& after) {
    constexpr int kColumns = 20;
    for (int turn = 0; turn < kColumns; ++turn) {
      bool matches = true;
      for (std::size_t cell = 0; cell < before.size() && matches; ++cell) {
        const std::size_t ring = cell / kColumns;
        const std::size_t column = (cell % kColumns + turn) % kColumns;
        matches = after[ring * kColumns + column] == before[cell];
      }
      if (matches) {
        return turn;
      }
    }
    return -1;
  }

  // Where every block stands, falling ones included.
  static std::vector<float> BlockPlaces(const Cylinder& board) {
    std::vector<float> places;
    for (int slot = 0; slot < board.RingCount(); ++slot) {
      const Ring& ring = board.RingInSlot(slot);
      for (std::uint32_t cell = 0; cell < ring.CellCount(); ++cell) {
        const float* transform = ring.BlockAt(static_cast<std::uint16_t>(cell)).transform;
        places.insert(places.end(), transform + 12, transform + 15);
      }
    }
    return places;
  }

  const Pixel rotateClockwise_ = LayoutPoint(90, 256);
};

TEST_F(RemoverWindowTest, TheRingsDropInAndAClickedGroupScores) {
  RemoverWindow& screen = Show<RemoverWindow>();
  EXPECT_EQ(screen.Board()->State(), BoardState::Intro);
  EXPECT_EQ(screen.ScoreText(), "0");
  EXPECT_EQ(screen.SkillText(), "Easy");
  DrawFrame();
  FinishIntro(screen);
  const std::vector<std::uint16_t> dealt = Colours(*screen.Board());
  EXPECT_EQ(std::count(dealt.begin(), dealt.end(), kEmpty), 0) << "all ten rings start full";

  SCOPED_TRACE("hovering lights up the group");
  const Pixel group = PointAtGroup(screen);
  Run(16);
  const int highlighted = HighlightedBlocks(*screen.Board());
  EXPECT_GE(highlighted, 2);
  DrawFrame();

  SCOPED_TRACE("a click removes it and the score shows");
  Click(group);
  FinishMove(screen);
  const std::vector<std::uint16_t> after = Colours(*screen.Board());
  EXPECT_EQ(std::count(after.begin(), after.end(), kEmpty), highlighted);
  EXPECT_GT(screen.Rules().Score(), 0u);
  EXPECT_EQ(screen.ScoreText(), std::to_string(screen.Rules().Score()));
  DrawFrame();
}

TEST_F(RemoverWindowTest, TheRotateButtonsTurnAllRingsOnlyWhileTheBoardRests) {
  RemoverWindow& screen = Play();
  const std::vector<std::uint16_t> before = Colours(*screen.Board());

  SCOPED_TRACE("a press and a release turn every ring one step");
  Click(rotateClockwise_);
  FinishMove(screen);
  const int turn = CommonTurn(before, Colours(*screen.Board()));
  EXPECT_TRUE(turn == 1 || turn == 19) << "turned by " << turn;

  SCOPED_TRACE("a press while blocks fall does nothing");
  Click(PointAtGroup(screen));
  ASSERT_EQ(screen.Board()->State(), BoardState::Falling);
  EXPECT_TRUE(screen.OnCommand(2032, OControl::kControlPressed));
  EXPECT_EQ(screen.Board()->State(), BoardState::Falling);
  EXPECT_TRUE(screen.OnCommand(2033, OControl::kControlPressed));
  EXPECT_EQ(screen.Board()->State(), BoardState::Falling);
  screen.OnCommand(2032, OControl::kControlReleased);
  EXPECT_EQ(screen.Board()->State(), BoardState::Falling) << "a release stops only a turn of all rings";
}

TEST_F(RemoverWindowTest, EscapeLeavesTheBoardAsItIsUntilTheGameIsShownAgain) {
  RemoverWindow& screen = Play();
  Click(PointAtGroup(screen));
  Run(16);
  const BoardState moving = screen.Board()->State();
  ASSERT_NE(moving, BoardState::Idle);
  const std::string board = BoardPicture::Of(*screen.Board());
  const std::vector<float> places = BlockPlaces(*screen.Board());
  application_->sounds.clear();

  PressKey(kEscape);
  EXPECT_EQ(ActiveScreen(), kMenu);
  EXPECT_EQ(application_->sounds, std::vector<std::int32_t>{GameSounds::kAction});
  for (int frame = 0; frame < 50; ++frame) {
    application_->Frame(100);
  }

  application_->Screens().SetActiveWindow(RemoverWindow::kIdentifier);
  EXPECT_EQ(screen.Board()->State(), moving);
  EXPECT_EQ(BoardPicture::Of(*screen.Board()), board);
  EXPECT_EQ(BlockPlaces(*screen.Board()), places) << "nothing moved while the menu was shown";
  FinishMove(screen);
  EXPECT_EQ(screen.Board()->State(), BoardState::Idle);
}

TEST_F(RemoverWindowTest, TheMenuButtonPlaysTheActionSoundAndKeepsTheGame) {
  RemoverWindow& screen = Play();
  application_->sounds.clear();
  Click(LayoutPoint(450, 25));
  EXPECT_EQ(ActiveScreen(), kMenu);
  EXPECT_EQ(application_->sounds, std::vector<std::int32_t>{GameSounds::kAction});
  EXPECT_NE(application_->Screens().FindWindow(RemoverWindow::kIdentifier), nullptr);
  EXPECT_EQ(screen.Board()->State(), BoardState::Idle);
}

TEST_F(RemoverWindowTest, AnEndedGameIsHandedOnAfterItsMessageHasShown) {
  struct Ending {
    const char* bottomRing;
    const char* message;
  };
  // The yellow blocks meet round the back of the ring, so one click takes them all.
  for (const Ending& ending :
       {Ending{"YYYYYYYYYYYYYYYYYYYY", "You win!!!"}, Ending{"YYYYYYYYYYGYYYYYYYYY", "Try again"}}) {
    SCOPED_TRACE(ending.message);
    if (ActiveScreen() != RemoverWindow::kIdentifier) {
      std::unique_ptr<ORenderWindow> old = application_->Screens().RemoveWindow(
          application_->Screens().FindWindow(RemoverWindow::kIdentifier));
    }
    RemoverWindow& screen = Play();
    std::vector<std::string> picture(9, std::string(20, '.'));
    picture.emplace_back(ending.bottomRing);
    BoardPicture::Paint(*screen.Board(), picture);
    Click(PointAtGroup(screen));
    ASSERT_TRUE(RunUntil([&screen] { return screen.LongTexts().Size() > 0; }, 10));
    EXPECT_EQ(screen.LongTexts().At(0).text, ending.message);
    EXPECT_EQ(screen.Board()->State(), BoardState::GameOver);

    Run(100, 35);
    EXPECT_EQ(ActiveScreen(), RemoverWindow::kIdentifier) << "the message shows for 3500 ms";
    Run(1);
    EXPECT_EQ(ActiveScreen(), kScoreScreen);
    EXPECT_EQ(screen.Board()->State(), BoardState::GameOver);
  }
}

TEST_F(RemoverWindowTest, TheBoardButtonsAndTheScoreLineAreDrawn) {
  auto plain = std::make_unique<ORenderWindow>(205);
  plain->SetBackground("brightgameback.jpg");
  application_->Screens().AddWindow(std::move(plain));
  application_->Screens().SetActiveWindow(205);
  DrawFrame();
  const std::vector<std::uint8_t> background = application_->picture;
  RemoverWindow& screen = Play();
  DrawFrame();
  const std::vector<std::uint8_t> game = application_->picture;
  if (const char* shot = std::getenv("TORNET_GAME_SHOT")) {
    SavePicture(game, shot);
  }
  ASSERT_EQ(game.size(), background.size());
  EXPECT_GT(ChangedAround(game, background, 256, 256, 20), 200) << "the board";
  EXPECT_GT(ChangedAround(game, background, 90, 256, 8), 20) << "the clockwise button";
  EXPECT_GT(ChangedAround(game, background, 420, 256, 8), 20) << "the anticlockwise button";
  EXPECT_GT(ChangedAround(game, background, 450, 25, 8), 20) << "the menu button";
  EXPECT_GT(ChangedAround(game, background, 30, 486, 6), 10) << "Score:";
  EXPECT_GT(ChangedAround(game, background, 25, 468, 6), 10) << "the skill's name";
  static_cast<void>(screen);
}

TEST_F(RemoverWindowTest, TheGamesMusicPlaysWhileItIsShown) {
  OConfig::Instance().musicOn = true;
  application_->Screens().SetActiveWindow(kMenu);
  application_->Music().currentList = &OMusicList::Menu();
  Play();
  EXPECT_EQ(application_->Music().currentList, &OMusicList::Remover());
  PressKey(kEscape);
  EXPECT_EQ(application_->Music().currentList, &OMusicList::Menu());

  SCOPED_TRACE("with the music off the list stays");
  OConfig::Instance().musicOn = false;
  application_->Screens().SetActiveWindow(RemoverWindow::kIdentifier);
  EXPECT_EQ(application_->Music().currentList, &OMusicList::Menu());
}

TEST_F(RemoverWindowTest, QuitPlaysTheClickAndEndsTheProgram) {
  RemoverWindow& screen = Play();
  application_->sounds.clear();
  EXPECT_TRUE(screen.OnCommand(GameRenderWindow::kQuitCommand, OControl::kClicked));
  EXPECT_EQ(application_->sounds, std::vector<std::int32_t>{GameSounds::kClick});
}

}  // namespace
