// The screens' backgrounds and the loading picture: one night sky of turning
// rings, brighter or calmer as each screen needs, kept dark where the screens
// write their white and yellow text.
#pragma once

#include "assetgen/RgbaImage.h"

namespace Backgrounds {

// Every background is stretched over the whole window, which is 4:3, so the
// pictures are drawn for a 1024 x 768 screen and stored squeezed into 1024 x 512.
constexpr int kWidth = 1024;
constexpr int kHeight = 512;

// The main menu, with the game's title.
RgbaImage MakeMenu();
// The choice between the two games: the brightest of the menu screens.
RgbaImage MakeGameType();
// Behind the board: a soft light at the centre where the board stands.
RgbaImage MakeGame();
// Options, help, top ten and the questions: the calmest, for reading.
RgbaImage MakeSideScreen();
// The strip shown while the game starts, 512 x 64.
RgbaImage MakeLoading();

}  // namespace Backgrounds
