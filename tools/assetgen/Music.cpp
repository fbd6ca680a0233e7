#include "assetgen/Music.h"

#include "assetgen/AssetSink.h"

void WriteMusic(AssetSink&) {}
