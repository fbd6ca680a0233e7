// Replacing a saved file: the new bytes arrive whole, or the old file stays.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Files.h"
#include "support/TestFiles.h"

namespace fs = std::filesystem;

namespace {

TEST(ReplaceFileContents, CreatesMissingFoldersAndReplacesTheOldContent) {
  TempFolder folder;
  const std::string path = folder / "a/b/file.txt";
  ASSERT_TRUE(platform::ReplaceFileContents(path, "first, and longer"));
  ASSERT_TRUE(platform::ReplaceFileContents(path, "second"));
  EXPECT_EQ(ReadText(path), "second");
  EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST(ReplaceFileContents, AFullDiskLeavesTheOldFileAndNoTemporary) {
  TempFolder folder;
  const std::string path = folder / "file.txt";
  WriteText(path, "old");
  // Every write to the temporary file fails as on a full disk.
  fs::create_symlink("/dev/full", path + ".tmp");
  EXPECT_FALSE(platform::ReplaceFileContents(path, "new"));
  EXPECT_EQ(ReadText(path), "old");
  EXPECT_FALSE(fs::exists(fs::symlink_status(path + ".tmp")));
}

TEST(ReplaceFileContents, AFolderThatCannotBeMadeFails) {
  TempFolder folder;
  WriteText(folder / "plain", "a file, not a folder");
  EXPECT_FALSE(platform::ReplaceFileContents(folder / "plain/file.txt", "new"));
}

}  // namespace
