#include "assetgen/Sounds.h"

#include "assetgen/AssetSink.h"

void WriteSounds(AssetSink&) {}
