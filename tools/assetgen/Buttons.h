// Every button and option control the screens load from Data/Models/, with
// the face pictures they name. Screens place them at points of a 512 x 512
// design space seen from 64 units away, where one design unit is about 0.144
// world units at z = 0, and scale most of them by a half.
#pragma once

#include <string>
#include <vector>

#include "gfx/AsvmFile.h"

class AssetSink;

namespace Buttons {

// How the game draws a model, which decides how its face must be made.
enum class Look {
  Blended,  // drawn twice: darkened by the face's alpha, then its colour added
  Lit,      // opaque and lit
  Skin,     // unlit, with the current skin bound
};

struct Control {
  std::string name;     // file name in Data/Models/
  std::string texture;  // empty when the model draws with what is bound
  Look look;
  AsvmFile model;
};

// Every control model, the thumb of the slider included.
std::vector<Control> Controls();

// The controls and their face pictures.
void Write(AssetSink& sink);

}  // namespace Buttons
