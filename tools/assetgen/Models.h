// The game's models, made from code.
#pragma once

class AssetSink;

void WriteModels(AssetSink& sink);
