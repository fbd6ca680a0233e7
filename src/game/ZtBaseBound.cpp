#include "game/ZtBaseBound.h"

void ZtBaseBound::Update(double /*elapsed*/) {}

void ZtBaseBound::Draw() {}
