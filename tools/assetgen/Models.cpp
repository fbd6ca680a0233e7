#include "assetgen/Models.h"

#include "assetgen/AssetSink.h"

void WriteModels(AssetSink&) {}
