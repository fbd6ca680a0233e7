// The contact sheet is drawn end to end on a headless context and written
// as a PNG, leaving the game's settings, archive and detail as it found them.
#include <gtest/gtest.h>

#include "core/OConfig.h"
#include "core/OResourceArchive.h"
#include "assetgen/ContactSheet.h"
#include "gfx/OModelManager.h"
#include "support/TestFiles.h"

namespace {

TEST(ContactSheet, DrawsEverythingIntoOnePngAndGivesTheGameStateBack) {
  TempFolder folder;
  const std::string settings = OConfig::Instance().fileName;
  const std::int32_t detail = OModelManager::Instance().Detail();

  MakeContactSheet(folder / "sheet.png");

  const std::vector<std::uint8_t> png = ReadBytes(folder / "sheet.png");
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
  const std::uint32_t width = png[16] << 24 | png[17] << 16 | png[18] << 8 | png[19];
  const std::uint32_t height = png[20] << 24 | png[21] << 16 | png[22] << 8 | png[23];
  EXPECT_EQ(width, 1600u);
  EXPECT_GT(height, 1000u) << "a row of tiles for every ten pictures and models, and the boards";

  EXPECT_EQ(OConfig::Instance().fileName, settings);
  EXPECT_EQ(OModelManager::Instance().Detail(), detail);
  EXPECT_EQ(OResourceArchive::Instance().SizeOf("Data/Models/ok.asvm"), 0u);
}

}  // namespace
