// The generator must write the same bytes every time, or every build would
// repack the archive and no two players would hear the same game.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "assetgen/AssetSink.h"
#include "assetgen/Music.h"
#include "assetgen/Sounds.h"
#include "support/TestFiles.h"

namespace {

namespace fs = std::filesystem;

TEST(GeneratorTest, TwoRunsWriteTheSameSoundsAndMusic) {
  TempFolder first;
  TempFolder second;
  for (const TempFolder* folder : {&first, &second}) {
    AssetSink sink(folder->Path());
    WriteSounds(sink);
    WriteMusic(sink);
  }
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(first.Path())) {
    if (!entry.is_regular_file()) {
      continue;
    }
    const std::string relative = fs::relative(entry.path(), first.Path()).string();
    SCOPED_TRACE(relative);
    EXPECT_EQ(ReadBytes(entry.path().string()), ReadBytes(second / relative));
    ++files;
  }
  EXPECT_EQ(files, 14 + 3);
}

}  // namespace
