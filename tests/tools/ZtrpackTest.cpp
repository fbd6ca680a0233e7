// The archive tool, run as a player would run it: pack a tree, list it,
// extract it, and refuse what it cannot read or must not write.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "support/TestFiles.h"
#include "ztrpack/ZtrWriter.h"

using ::testing::HasSubstr;
namespace fs = std::filesystem;

namespace {

struct Result {
  int status = -1;
  std::string output;  // standard output and standard error together
};

Result Ztrpack(const std::string& arguments) {
  const std::string command = std::string(ZTRPACK_PATH) + " " + arguments + " 2>&1";
  Result result;
  std::FILE* pipe = popen(command.c_str(), "r");
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
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

TEST_F(ZtrpackTest, PackThenListShowsTheTreeBack) {
  const Result pack = Ztrpack("pack " + archive + " " + (folder / "tree"));
  ASSERT_EQ(pack.status, 0) << pack.output;
  EXPECT_THAT(pack.output, HasSubstr("3 files"));

  const Result list = Ztrpack("list " + archive);
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.output,
            "         0  Data/Mod/menu.it\n"
            "      3000  Data/Models/Hi/yellow.Asvm\n"
            "         9  Data/Textures/Menu.jpg\n");
}

TEST_F(ZtrpackTest, TheSameTreeAlwaysPacksToTheSameBytes) {
  ASSERT_EQ(Ztrpack("pack " + archive + " " + (folder / "tree")).status, 0);
  const auto first = ReadBytes(archive);
  ASSERT_EQ(Ztrpack("pack " + archive + " " + (folder / "tree")).status, 0);
  EXPECT_EQ(ReadBytes(archive), first);
  EXPECT_EQ(std::string(first.begin(), first.begin() + 8), std::string(ZtrWriter::kSignature, 8));
}

TEST_F(ZtrpackTest, AnArchiveInsideItsOwnTreeIsNotPackedIntoItself) {
  const std::string inside = folder / "tree/Data/Resource.Ztr";
  ASSERT_EQ(Ztrpack("pack " + inside + " " + (folder / "tree")).status, 0);
  ASSERT_EQ(Ztrpack("pack " + inside + " " + (folder / "tree")).status, 0);
  EXPECT_THAT(Ztrpack("list " + inside).output, Not(HasSubstr("Resource.Ztr")));
}

TEST_F(ZtrpackTest, ExtractGivesBackEveryFile) {
  ASSERT_EQ(Ztrpack("pack " + archive + " " + (folder / "tree")).status, 0);
  const Result extract = Ztrpack("extract " + archive + " " + (folder / "out"));
  ASSERT_EQ(extract.status, 0) << extract.output;
  for (const char* name : {"Data/Textures/Menu.jpg", "Data/Models/Hi/yellow.Asvm", "Data/Mod/menu.it"}) {
    EXPECT_EQ(ReadText(folder / (std::string("out/") + name)),
              ReadText(folder / (std::string("tree/") + name)))
        << name;
  }
}

TEST_F(ZtrpackTest, ExtractNeverWritesOutsideItsFolder) {
  ZtrWriter writer;
  writer.Add("../escaped.txt", {'x'});
  writer.Add("/tmp/absolute.txt", {'x'});
  writer.Add("Data/fine.txt", {'x'});
  WriteBytes(archive, writer.Build());

  const Result extract = Ztrpack("extract " + archive + " " + (folder / "out"));
  EXPECT_EQ(extract.status, 1);
  EXPECT_THAT(extract.output, HasSubstr("unsafe name \"../escaped.txt\""));
  EXPECT_THAT(extract.output, HasSubstr("unsafe name \"/tmp/absolute.txt\""));
  EXPECT_FALSE(fs::exists(folder / "escaped.txt"));
  EXPECT_TRUE(fs::exists(folder / "out/Data/fine.txt"));
}

TEST_F(ZtrpackTest, UnreadableInputIsReportedClearly) {
  struct Case {
    std::string arguments;
    std::string message;
  };
  WriteText(folder / "corrupt.Ztr", std::string(40, '\x7F'));
  const Case cases[] = {
      {"pack " + archive + " " + (folder / "no-such-tree"), "is not a folder"},
      {"list " + (folder / "no-such.Ztr"), "is not a file"},
      {"list " + (folder / "corrupt.Ztr"), "more than the file can hold"},
      {"extract " + (folder / "tree") + " " + (folder / "out"), "is not a file"},
      {"pack " + (folder / "tree/Data") + " " + (folder / "tree"), "can't write"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const Result result = Ztrpack(c.arguments);
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.output, HasSubstr(c.message));
  }
  const Result usage = Ztrpack("frobnicate");
  EXPECT_EQ(usage.status, 2);
  EXPECT_THAT(usage.output, HasSubstr("usage: ztrpack pack"));
}

}  // namespace
