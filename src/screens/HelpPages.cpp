#include "screens/HelpPages.h"

#include <array>

namespace {

// Most lines keep the spacing they were typeset with, which spreads the words
// of a line over the whole column.
constexpr HelpLine kOverview[] = {
    {0, HelpLine::kBody, "Tornet 3D  is  a  three-dimensional  puzzle"},
    {1, HelpLine::kBody, "game  that  lets  you  show  your  skill  in"},
    {2, HelpLine::kBody, "strategy and spatial reasoning. Think ahead,"},
    {3, HelpLine::kBody, "turn the rings and clear the whole cylinder."},
    {4, HelpLine::kBody, "The goal of the game  is  to  remove all  the"},
    {5, HelpLine::kBody, "blocks.   Blocks  of   the   same  color  are"},
    {6, HelpLine::kBody, "gathered   into   groups   thus   forming  the "},
    {7, HelpLine::kBody, "cylinder.   When  you   click  a  group   that "},
    {8, HelpLine::kBody, "contains    bricks   of   the   same  color,  it "},
    {9, HelpLine::kBody, "disappears.   The group  should  contain  two "},
    {10, HelpLine::kBody, "or   more   bricks  on  Easy   skill level and"},
    {11, HelpLine::kBody, "three or  more  bricks  on  Normal level  to"},
    {12, HelpLine::kBody, "be   deleted.   The    more  bricks  the  group "},
    {13, HelpLine::kBody, "contains, the more points you get."},
    {14, HelpLine::kBody, "To form  the group you may rotate the rings "},
    {15, HelpLine::kBody, "of  the cylinder.  Clicking  right mouse button "},
    {16, HelpLine::kBody, "rotates  the  ring  you choose pointing to  it."},
    {17, HelpLine::kBody, "Red  arrows on the left or right  side of the "},
    {18, HelpLine::kBody, "ring will prompt you the direction of rotation."},
};
constexpr HelpLine kGameTypes[] = {
    {0, HelpLine::kBody, "There are two types of game:"},
    {2, HelpLine::kHeading, "       Remover \x96 strategic puzzle game"},
    {3, HelpLine::kBody, "If  you  prefer  thinking and working out the "},
    {4, HelpLine::kBody, "strategy,  choose  this  game.  You  have no"},
    {5, HelpLine::kBody, "any  restrictions  and  may think over each"},
    {6, HelpLine::kBody, "move to  find  the  most favorable solution."},
    {7, HelpLine::kBody, "The  game  is over when you remove all the"},
    {8, HelpLine::kBody, "groups or when you remove all the  bricks"},
    {9, HelpLine::kBody, "that can form the groups. If any bricks that"},
    {10, HelpLine::kBody, "cannot  be deleted remain on the board, you"},
    {11, HelpLine::kBody, "lose"},
    {13, HelpLine::kHeading, "       Breakdown \x96 arcade style game"},
    {14, HelpLine::kBody, "Clear  the blocks before they reach the top. "},
    {15, HelpLine::kBody, "The  time  before  new  blocks appear in the"},
    {16, HelpLine::kBody, "bottom decreases  within the game. To make "},
    {17, HelpLine::kBody, "new  bricks appear  on a board  before  the "},
    {18, HelpLine::kBody, "time is up click  the block generation ring on "},
    {19, HelpLine::kBody, "the bottom of the board. "},
};
constexpr HelpLine kGoodies[] = {
    {0, HelpLine::kHeading, "Super bomb"},
    {1, HelpLine::kBody, "Explodes all the bricks next to it, but"},
    {2, HelpLine::kBody, "if you click  a group of bricks next to "},
    {3, HelpLine::kBody, "it, the  bomb  acts  as a block of the "},
    {4, HelpLine::kBody, "same color and disappears. "},
    {6, HelpLine::kHeading, "Color bomb"},
    {7, HelpLine::kBody, "Removes  all  the  bricks of the same"},
    {8, HelpLine::kBody, "color on the screen."},
    {10, HelpLine::kHeading, "Cluster bomb"},
    {11, HelpLine::kBody, "Removes all groups from game board."},
    {13, HelpLine::kHeading, "Ring bomb "},
    {14, HelpLine::kBody, "Blows up entire ring."},
    {16, HelpLine::kHeading, "Column bomb"},
    {17, HelpLine::kBody, "Blows up all the bricks in one column."},
    {19, HelpLine::kHeading, "Cross goody "},
    {20, HelpLine::kBody, "Blows  up neighbor  blocks vertically "},
    {21, HelpLine::kBody, "or   horizontally  with   all  groups"},
    {22, HelpLine::kBody, "belonging to these blocks."},
};
constexpr HelpLine kCredits[] = {
    {0, HelpLine::kBody, "Idea & Project Management & Programming"},
    {1, HelpLine::kHeading, " The Tornet 3D team"},
    {3, HelpLine::kBody, "3D Programming consultant"},
    {4, HelpLine::kHeading, " The Tornet 3D developers"},
    {6, HelpLine::kBody, "3D Design & Art Works"},
    {7, HelpLine::kHeading, " Made by the Tornet 3D asset generator"},
    {9, HelpLine::kBody, "Sound FX"},
    {10, HelpLine::kHeading, " Made by the Tornet 3D sound generator"},
    {12, HelpLine::kBody, "Promotional assistance / Help Doc Design"},
    {13, HelpLine::kHeading, " The Tornet 3D team"},
    {15, HelpLine::kBody, "Level Design"},
    {16, HelpLine::kHeading, " The Tornet 3D developers"},
    {18, HelpLine::kBody, "Beta Testers"},
    {19, HelpLine::kHeading, " Everyone who ran the Tornet 3D tests"},
};

constexpr HelpLine kControls[] = {
    {0, HelpLine::kHeading, "Mouse"},
    {1, HelpLine::kBody, "Left button: remove the group pointed at,"},
    {2, HelpLine::kBody, "or push a row from the generation ring."},
    {3, HelpLine::kBody, "Right button held: turn the ring pointed at."},
    {5, HelpLine::kHeading, "Keyboard"},
    {6, HelpLine::kBody, "Arrows: move the board's cursor, or from"},
    {7, HelpLine::kBody, "choice to choice on the other screens."},
    {8, HelpLine::kBody, "Space, Enter: click where the cursor is."},
    {9, HelpLine::kBody, "Z, X held: turn the cursor's ring."},
    {10, HelpLine::kBody, "Shift+Z, Shift+X held: turn every ring."},
    {11, HelpLine::kBody, "Tab, Shift+Tab: the next or the last choice."},
    {12, HelpLine::kBody, "Escape: the menu.  P: pause.  F11: full screen."},
    {13, HelpLine::kBody, "Remover: Ctrl+Z or Backspace takes a move"},
    {14, HelpLine::kBody, "back, Ctrl+Y plays it again, R deals again."},
    {16, HelpLine::kHeading, "Game controller"},
    {17, HelpLine::kBody, "D-pad, left stick: move as the arrows do."},
    {18, HelpLine::kBody, "A: click where the cursor is.    B: back."},
    {19, HelpLine::kBody, "Shoulder buttons held: turn the cursor's ring."},
    {20, HelpLine::kBody, "Triggers held: turn every ring.    X: undo."},
    {21, HelpLine::kBody, "Start: the menu, and from there the game."},
};

constexpr std::array<HelpPage, 5> kPages{{
    {"OVERVIEW", nullptr, 140.0f, 65.0f, false, false, kOverview},
    {"OVERVIEW", "(continue)", 140.0f, 65.0f, false, false, kGameTypes},
    // The text stands right of the goodies' models.
    {"GOODIES", nullptr, 114.0f, 110.0f, false, true, kGoodies},
    {"CREDITS", nullptr, 120.0f, 65.0f, true, true, kCredits},
    {"CONTROLS", nullptr, 140.0f, 65.0f, false, true, kControls},
}};

}  // namespace

std::span<const HelpPage> HelpPages() { return kPages; }
