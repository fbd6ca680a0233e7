// The game's sounds, made from code.
#pragma once

class AssetSink;

void WriteSounds(AssetSink& sink);
