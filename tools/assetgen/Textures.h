// The game's textures, made from code.
#pragma once

class AssetSink;

void WriteTextures(AssetSink& sink);
