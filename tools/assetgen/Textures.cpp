#include "assetgen/Textures.h"

#include "assetgen/AssetSink.h"

void WriteTextures(AssetSink&) {}
