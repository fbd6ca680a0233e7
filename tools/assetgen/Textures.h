// The game's textures, made from code.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class AssetSink;

// Every texture the game loads, by its name under Data/Textures/, as the
// bytes of its file.
std::vector<std::pair<std::string, std::vector<std::uint8_t>>> MakeTextures();

void WriteTextures(AssetSink& sink);
