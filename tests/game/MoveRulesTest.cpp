// What happens after a click: blocks fall into the gaps one ring at a time,
// columns close up, and the board decides whether the game goes on.
#include <gtest/gtest.h>

#include "BoardHarness.h"

TEST(MoveRulesTest, BlocksFallOneRingPerFallTime) {
  BoardHarness game({
      "G .",
      "R .",
      "Y G",
      "Y G",
      "Y G",
  });
  game.PointAt(0, 0);
  game.Click();
  // Half the fall time: nothing has changed cells yet, the blocks above are half-way down.
  game.Step(60);
  EXPECT_EQ(game.Picture(), BoardHarness::Tidy({
                                "G .",
                                "R .",
                                ". G",
                                ". G",
                                ". G",
                            }));
  EXPECT_FLOAT_EQ(game.BlockAt(3, 0).transform[14], -3.4f) << "half a step down after half the fall time";
  for (int step = 1; step <= 3; ++step) {
    SCOPED_TRACE(testing::Message() << "after step " << step);
    game.Step(60);
    EXPECT_EQ(game.BlockAt(3 - step, 0).colour, kRed);
    EXPECT_EQ(game.BlockAt(3 - step, 0).transform[14], 0.0f) << "a landed block sits in its cell";
    game.Step(60);
  }
  game.FinishMove();
  EXPECT_EQ(game.Picture(), BoardHarness::Tidy({
                                ". .",
                                ". .",
                                ". G",
                                "G G",
                                "R G",
                            }));
  EXPECT_EQ(game.soundGroups.back(), BoardAudio::kLandingGroup);
}

TEST(MoveRulesTest, AHugeFrameStillFallsOnlyOneRing) {
  BoardHarness game({
      "R .",
      "Y G",
      "Y G",
  });
  game.PointAt(0, 0);
  game.Click();
  game.Step(100000);
  EXPECT_EQ(game.Picture(), BoardHarness::Tidy({
                                ". .",
                                "R G",
                                ". G",
                            }));
  game.Step(100000);
  EXPECT_EQ(game.Picture(), BoardHarness::Tidy({
                                ". .",
                                ". G",
                                "R G",
                            }));
}

TEST(MoveRulesTest, ARunCloseToTheSeamMovesAcrossIt) {
  // Column 19 is empty: the run 10-14 moves up until it touches column 0 from the other side.
  BoardHarness game({
      ". . . . . . . . . . . . . . . . . . . .",
      "Y Y G Y Y . . . . . R R R R R . . . . .",
  });
  game.PointAt(0, 2);  // a click on a single block removes nothing but still closes gaps
  game.Click();
  game.FinishMove(10);
  EXPECT_EQ(game.Picture(), BoardHarness::Tidy({
                                ". . . . . . . . . . . . . . . . . . . .",
                                "Y Y G Y Y . . . . . . . . . . R R R R R",
                            }));
}

TEST(MoveRulesTest, AMiddleRunClosesTheNarrowerGap) {
  BoardHarness game({
      ". . . . . . . . . . . . . . . . . . . .",
      "Y G Y G Y . . . R G R . . . . B G B G B",
  });
  // The two gaps are 3 (columns 5-7) and 4 wide (11-14); the run 8-10 closes the narrower one.
  game.PointAt(0, 0);
  game.Click();
  game.FinishMove(10);
  EXPECT_EQ(game.Picture(), BoardHarness::Tidy({
                                ". . . . . . . . . . . . . . . . . . . .",
                                "Y G Y G Y R G R . . . . . . . B G B G B",
                            }));
}

TEST(MoveRulesTest, ShiftingTakesTheBlocksAboveAlong) {
  BoardHarness game({
      ". . . . . . . . . . . . . . . . . . . .",
      ". . . . . . . . . . . . G . . . . . . .",
      "Y G Y G Y . . . . . . . R . . . . . . .",
  });
  game.PointAt(0, 0);
  game.Click();
  game.FinishMove(7);
  EXPECT_EQ(game.Picture(), BoardHarness::Tidy({
                                ". . . . . . . . . . . . . . . . . . . .",
                                ". . . . . . . . . . . . . . . . . . . G",
                                "Y G Y G Y . . . . . . . . . . . . . . R",
                            }));
}

TEST(MoveRulesTest, TheGameEndsWhenNoGroupCanEverBeRemoved) {
  BoardHarness::Options normal;
  normal.skill = SkillRules::kNormal;
  {
    SCOPED_TRACE("two yellows on Normal can never go");
    BoardHarness game(
        {
            ". . . . . .",
            "Y . . . . .",
            "Y G G G R R",
        },
        normal);
    game.PointAt(0, 1);
    game.Click();
    game.FinishMove();
    EXPECT_EQ(game.Board().State(), BoardState::GameOver);
    ASSERT_EQ(game.messages.texts.size(), 1u);
    EXPECT_EQ(game.messages.texts[0].text, "Try again");
    EXPECT_EQ(game.sounds.back(), BoardAudio::kLose);
    EXPECT_FALSE(game.Manager().Won());
    EXPECT_TRUE(game.musicStopped);
    EXPECT_FALSE(game.rotateButtonsEnabled);
    EXPECT_FALSE(game.menuButtonEnabled);
    EXPECT_EQ(game.arrowClears, 1);
  }
  {
    SCOPED_TRACE("only the bottom ring left and no group in it");
    BoardHarness game({
        ". . . . . . . .",
        "Y G Y G B B R R",
    });
    game.PointAt(0, 4);
    game.Click();
    game.FinishMove();
    EXPECT_EQ(game.Board().State(), BoardState::Idle) << "the red pair can still go";
    game.PointAt(0, 6);
    game.Click();
    game.FinishMove();
    EXPECT_EQ(game.Picture(), BoardHarness::Tidy({
                                  ". . . . . . . .",
                                  "Y G Y G . . . .",
                              }));
    EXPECT_EQ(game.Board().State(), BoardState::GameOver);
    EXPECT_EQ(game.messages.texts[0].text, "Try again");
  }
  {
    SCOPED_TRACE("more than one ring filled: turning may still help");
    BoardHarness game(
        {
            "Y G R B . .",
            "G R B Y Y Y",
        },
        normal);
    game.PointAt(0, 5);
    game.Click();
    game.FinishMove();
    EXPECT_EQ(game.Board().State(), BoardState::GameOver) << "one each of four colours is too few";
  }
  {
    SCOPED_TRACE("an empty board wins");
    BoardHarness game({
        ". . .",
        "Y Y .",
    });
    game.PointAt(0, 0);
    game.Click();
    game.FinishMove();
    EXPECT_EQ(game.Board().State(), BoardState::GameOver);
    EXPECT_EQ(game.messages.texts[0].text, "You win!!!");
    EXPECT_EQ(game.sounds.back(), BoardAudio::kWin);
    EXPECT_TRUE(game.Manager().Won());
  }
}

TEST(MoveRulesTest, ASecondRingOnAFullBottomRingEndsTheGameWhenNoTurnCanHelp) {
  BoardHarness::Options normal;
  normal.skill = SkillRules::kNormal;
  {
    SCOPED_TRACE("no turn of the upper ring brings three of a colour together");
    BoardHarness game(
        {
            "G . . G . G",
            "R B R B R B",
        },
        normal);
    game.PointAt(1, 0);
    game.Click();
    game.FinishMove();
    EXPECT_EQ(game.Board().State(), BoardState::GameOver);
    EXPECT_EQ(game.messages.texts[0].text, "Try again");
  }
  {
    SCOPED_TRACE("turning the pair over the green below makes a group");
    BoardHarness game(
        {
            "G G . . . . .",
            "R B R B R B G",
        },
        normal);
    game.PointAt(1, 0);
    game.Click();
    game.FinishMove();
    EXPECT_EQ(game.Board().State(), BoardState::Idle);
    EXPECT_EQ(game.Board().RingAt(1).Offset(), 0) << "trying the turns leaves the ring as it was";
  }
}

TEST(MoveRulesTest, TheFinishedGameIsReportedAfterItsMessageWasShown) {
  BoardHarness game({
      "Y Y .",
  });
  game.PointAt(0, 0);
  game.Click();
  game.FinishMove();
  ASSERT_EQ(game.Board().State(), BoardState::GameOver);
  game.commands.clear();
  game.Step(500, 7);
  EXPECT_TRUE(game.commands.empty()) << "3500 ms is not yet over";
  game.Step(1);
  ASSERT_EQ(game.commands.size(), 1u);
  EXPECT_EQ(game.commands[0], OControl::kGameFinished);
}
