// One picture of everything the generator makes, drawn by the game's own
// loaders on a real GL context: every texture, every model lit and turned to
// show its shape, the buttons as their screens draw them, and two boards of
// blocks in their rings as the game shows them.
#pragma once

#include <string>

// Generates the textures and models into a temporary folder, packs them into
// an archive the game reads, and writes the sheet to `pngPath`. Throws when
// no GL context can be made or a file cannot be written.
void MakeContactSheet(const std::string& pngPath);
