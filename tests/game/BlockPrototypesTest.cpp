// The block templates load the generated block models, high or low detail as
// the setting says.
#include <gtest/gtest.h>

#include "assetgen/AssetSink.h"
#include "assetgen/Models.h"
#include "game/BlockPrototypes.h"
#include "gfx/OModelData.h"
#include "gfx/OModelManager.h"
#include "support/TestArchive.h"

namespace {

TEST(BlockPrototypes, LoadTheBlockModelsOfTheDetailSetting) {
  TempFolder folder;
  AssetSink sink(folder.Path());
  WriteModels(sink);
  const TestArchive archive(TestArchive::MembersUnder(folder / "archive"));

  std::size_t triangles[2] = {};
  for (const std::int32_t detail : {OModelManager::kLowDetail, OModelManager::kHighDetail}) {
    SCOPED_TRACE(detail);
    OModelManager::Instance().SetDetail(detail);
    BlockPrototypes prototypes;
    prototypes.LoadModels();
    for (const BlockColour colour : {kYellow, kGreen, kRed, kBlue, kMarker}) {
      const Block& block = prototypes.ForColour(colour);
      EXPECT_GT(block.ObjectCount(), 0u) << colour;
      EXPECT_GT(block.halfExtents[0], 0.0f) << "bounds are computed";
    }
    triangles[detail - 1] = prototypes.ForColour(kRed).Data().faces.size();
  }
  EXPECT_LT(triangles[0], triangles[1]) << "low detail has fewer triangles";
}

}  // namespace
