// The game's music, made from code.
#pragma once

class AssetSink;

void WriteMusic(AssetSink& sink);
