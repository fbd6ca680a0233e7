// The archive tool, run as a player would run it: pack a tree, list it,
// extract it, and refuse what it cannot read or must not write.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <tuple>

#include "support/TestFiles.h"
#include "ztrpack/ZtrWriter.h"

using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

// The exit status and what the tool wrote to standard output and error together.
struct Result {
  int status = -1;
  std::string output;
};

Result Ztrpack(const std::string& arguments) {
  Result result;
  std::FILE* pipe = popen((std::string(ZTRPACK_PATH) + " " + arguments + " 2>&1").c_str(), "r");
  for (char buffer[512]; std::fgets(buffer, sizeof buffer, pipe) != nullptr;) {
    result.output += buffer;
  }
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

class ZtrpackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteText(folder / "tree/Data/Textures/Menu.jpg", "a picture");
    WriteText(folder / "tree/Data/Models/Hi/yellow.Asvm", std::string(3000, 'y'));
    WriteText(folder / "tree/Data/Mod/menu.it", "");
  }
  TempFolder folder;
  std::string archive = folder / "Resource.Ztr";
};

// An archive inside its own tree is not packed into itself, and the same tree
// always packs to the same bytes.
TEST_F(ZtrpackTest, PackListAndExtractGiveTheTreeBack) {
  const std::string inside = folder / "tree/Data/Resource.Ztr";
  const Result pack = Ztrpack("pack " + inside + " " + (folder / "tree"));
  ASSERT_EQ(pack.status, 0) << pack.output;
  EXPECT_THAT(pack.output, HasSubstr("3 files"));
  const auto first = ReadBytes(inside);
  ASSERT_EQ(Ztrpack("pack " + inside + " " + (folder / "tree")).status, 0);
  EXPECT_EQ(ReadBytes(inside), first);

  const Result list = Ztrpack("list " + inside);
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.output,
            "         0  Data/Mod/menu.it\n"
            "      3000  Data/Models/Hi/yellow.Asvm\n"
            "         9  Data/Textures/Menu.jpg\n");
  const Result extract = Ztrpack("extract " + inside + " " + (folder / "out"));
  ASSERT_EQ(extract.status, 0) << extract.output;
  for (const char* name : {"Data/Textures/Menu.jpg", "Data/Models/Hi/yellow.Asvm", "Data/Mod/menu.it"}) {
    EXPECT_EQ(ReadText(folder / "out/" + name), ReadText(folder / "tree/" + name)) << name;
  }
}

// Names that would reach outside the folder, and links planted in it, are
// refused; the rest still come out.
TEST_F(ZtrpackTest, WhatItCannotReadOrMustNotWriteIsRefusedClearly) {
  ZtrWriter writer;
  for (const char* name :
       {"../escaped.txt", "/tmp/absolute.txt", "Data/fine.txt", "Data/linked.txt", "Linked/a.txt"}) {
    writer.Add(name, {'x'});
  }
  WriteBytes(archive, writer.Build());
  WriteText(folder / "victim/a.txt", "untouched");
  fs::create_directories(folder / "out/Data");
  fs::create_symlink(folder / "victim/a.txt", folder / "out/Data/linked.txt");
  fs::create_directory_symlink(folder / "victim", folder / "out/Linked");
  WriteText(folder / "corrupt.Ztr", std::string(40, '\x7F'));
  const std::tuple<std::string, int, std::string> cases[] = {
      {"extract " + archive + " " + (folder / "out"), 1, "unsafe name \"../escaped.txt\""},
      {"extract " + archive + " " + (folder / "out"), 1, "unsafe name \"/tmp/absolute.txt\""},
      {"extract " + archive + " " + (folder / "out"), 1,
       "won't write through the link " + (folder / "out/Linked")},
      {"extract " + archive + " " + (folder / "out"), 1, "link " + (folder / "out/Data/linked.txt")},
      {"pack " + archive + " " + (folder / "no-such-tree"), 1, "is not a folder"},
      {"list " + (folder / "no-such.Ztr"), 1, "is not a file"},
      {"list " + (folder / "corrupt.Ztr"), 1, "more than the file can hold"},
      {"extract " + (folder / "tree") + " " + (folder / "out"), 1, "is not a file"},
      {"pack " + (folder / "tree/Data") + " " + (folder / "tree"), 1, "can't write"},
      {"frobnicate", 2, "usage: ztrpack pack"},
  };
  for (const auto& [arguments, status, message] : cases) {
    const Result result = Ztrpack(arguments);
    EXPECT_EQ(result.status, status) << arguments;
    EXPECT_THAT(result.output, HasSubstr(message)) << arguments;
  }
  EXPECT_FALSE(fs::exists(folder / "escaped.txt"));
  EXPECT_TRUE(fs::exists(folder / "out/Data/fine.txt"));
  EXPECT_EQ(ReadText(folder / "victim/a.txt"), "untouched");
  EXPECT_TRUE(fs::is_symlink(folder / "out/Data/linked.txt"));
}

}  // namespace
