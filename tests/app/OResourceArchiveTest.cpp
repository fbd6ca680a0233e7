// Reading the resource archive: names without regard to case, the scrambled
// first 2048 bytes, and corrupt directories that must fail without crashing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/OResourceArchive.h"
#include "support/TestFiles.h"
#include "ztrpack/ZtrWriter.h"

using ::testing::HasSubstr;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Counting(std::size_t size) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
  }
  return bytes;
}

void PutU32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

class OResourceArchiveTest : public ::testing::Test {
 protected:
  // Writes the archive and opens a reader on it that collects its complaints.
  OResourceArchive& Load(const Bytes& bytes) {
    WriteBytes(path, bytes);
    archive.Open();
    return archive;
  }

  Bytes Pack(std::initializer_list<std::pair<std::string, Bytes>> members) {
    ZtrWriter writer;
    for (const auto& [name, data] : members) {
      writer.Add(name, data);
    }
    return writer.Build();
  }

  TempFolder folder;
  std::string path = folder / "Resource.Ztr";
  std::vector<std::string> errors;
  OResourceArchive archive{path, [this](const std::string& message) { errors.push_back(message); }};
};

TEST_F(OResourceArchiveTest, NamesAreFoundWhateverTheirCase) {
  Load(Pack({{"Data/Textures/Menu.jpg", Text("menu")}, {"Data/Mod/menu.it", Text("module")}}));
  EXPECT_EQ(archive.Read("data/textures/MENU.JPG"), Text("menu"));
  EXPECT_EQ(archive.Read("Data/Mod/menu.it"), Text("module"));
  EXPECT_EQ(archive.SizeOf("DATA/MOD/MENU.IT"), 6u);
  EXPECT_EQ(archive.Directory().at("data/textures/menu.jpg").storedName, "Data/Textures/Menu.jpg");
  EXPECT_TRUE(errors.empty());
}

TEST_F(OResourceArchiveTest, ALaterDuplicateReplacesTheEarlierMember) {
  Load(Pack({{"Data/a.txt", Text("first")}, {"DATA/A.TXT", Text("second")}}));
  EXPECT_EQ(archive.Directory().size(), 1u);
  EXPECT_EQ(archive.Read("data/a.txt"), Text("second"));
}

TEST_F(OResourceArchiveTest, UnknownMembersGiveNothingAndSizeZero) {
  Load(Pack({{"Data/a.txt", Text("a")}}));
  archive.Read("Data/a.txt");
  EXPECT_EQ(archive.Read("Data/b.txt"), std::nullopt);
  EXPECT_EQ(archive.SizeOf("Data/b.txt"), 0u);
  EXPECT_EQ(archive.LastSize(), 0u);
}

TEST_F(OResourceArchiveTest, AnEmptyMemberIsThereButEmpty) {
  Load(Pack({{"Data/empty", {}}}));
  EXPECT_EQ(archive.Read("Data/empty"), Bytes());
}

TEST_F(OResourceArchiveTest, OnlyTheFirst2048BytesAreScrambled) {
  const Bytes small = Counting(10);
  const Bytes large = Counting(3000);
  Load(Pack({{"small", small}, {"large", large}}));
  const Bytes file = ReadBytes(path);

  EXPECT_EQ(archive.Read("small"), small);
  EXPECT_EQ(archive.LastSize(), 10u);
  EXPECT_EQ(archive.Read("large"), large);
  EXPECT_EQ(archive.LastSize(), 3000u);

  const std::uint32_t smallAt = archive.Directory().at("small").dataOffset;
  const std::uint32_t largeAt = archive.Directory().at("large").dataOffset;
  for (std::size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(file[smallAt + i], small[i] ^ OResourceArchive::kScrambleStart);
  }
  for (std::size_t i = 0; i < 3000; ++i) {
    const std::uint8_t mask = i < 2048 ? OResourceArchive::kScrambleStart : 0;
    ASSERT_EQ(file[largeAt + i], large[i] ^ mask) << "byte " << i;
  }
}

TEST_F(OResourceArchiveTest, ANameFillsItsRecordOrEndsAtAZeroByte) {
  Load(Pack({{"Data/whole-name", Text("1")}, {std::string("short\0junk", 10), Text("2")}}));
  EXPECT_EQ(archive.Read("Data/whole-name"), Text("1"));
  EXPECT_EQ(archive.Read("short"), Text("2"));
}

TEST_F(OResourceArchiveTest, ACountOfZeroOrBelowIsAnEmptyDirectory) {
  for (const std::int32_t count : {0, -1, -5}) {
    Bytes bytes = Pack({{"a", Text("a")}});
    PutU32(bytes, 8, static_cast<std::uint32_t>(count));
    WriteBytes(path, bytes);
    EXPECT_TRUE(archive.Open()) << count;
    EXPECT_TRUE(archive.Directory().empty()) << count;
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(OResourceArchiveTest, ACorruptDirectoryStopsReadingAndIsReported) {
  struct Case {
    const char* what;
    void (*corrupt)(Bytes&);
    std::size_t membersKept;
  };
  // Records start at 32: "a" is a record of 13 bytes, so the second one starts at 45.
  const Case cases[] = {
      {"record length below 12", [](Bytes& b) { PutU32(b, 45, 11); }, 1},
      {"record running past the end", [](Bytes& b) { PutU32(b, 45, 0xFFFFFF00u); }, 1},
      {"count the file cannot hold", [](Bytes& b) { PutU32(b, 8, 0x7FFFFFFF); }, 0},
      {"count just past the records", [](Bytes& b) { PutU32(b, 8, 3); }, 2},
      {"file shorter than its header", [](Bytes& b) { b.resize(20); }, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes bytes = Pack({{"a", Text("first")}, {"b", Text("second")}});
    c.corrupt(bytes);
    errors.clear();
    WriteBytes(path, bytes);
    EXPECT_FALSE(archive.Open());
    EXPECT_EQ(archive.Directory().size(), c.membersKept);
    EXPECT_EQ(errors.size(), 1u);
  }
}

TEST_F(OResourceArchiveTest, AMemberRunningPastTheEndFailsItsReadAlone) {
  Bytes bytes = Pack({{"a", Text("first")}, {"b", Text("second")}});
  bytes.resize(bytes.size() - 1);  // cuts the last byte of "b"
  Load(bytes);
  EXPECT_EQ(archive.Read("a"), Text("first"));
  EXPECT_EQ(archive.Read("b"), std::nullopt);
  EXPECT_EQ(archive.LastSize(), 0u);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_THAT(errors[0], HasSubstr("b runs past the end"));

  PutU32(bytes, 32 + 8, 0xFFFFFFF0u);  // "a" now starts far beyond the file
  Load(bytes);
  EXPECT_EQ(archive.Read("a"), std::nullopt);
}

TEST_F(OResourceArchiveTest, AMissingArchiveLeavesTheDirectoryEmpty) {
  testing::internal::CaptureStdout();
  EXPECT_FALSE(archive.Open());
  EXPECT_EQ(archive.Read("Data/Textures/Menu.jpg"), std::nullopt);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "File was not opened\n");
  EXPECT_TRUE(archive.Directory().empty());
}

TEST_F(OResourceArchiveTest, TheFileVanishingAfterOpenFailsReads) {
  Load(Pack({{"a", Text("first")}}));
  std::filesystem::remove(path);
  testing::internal::CaptureStdout();
  EXPECT_EQ(archive.Read("a"), std::nullopt);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "File was not opened\n");
}

TEST(OResourceArchiveScramble, IsItsOwnInverse) {
  Bytes bytes = Counting(2100);
  OResourceArchive::Scramble(bytes.data(), bytes.size());
  EXPECT_NE(bytes, Counting(2100));
  OResourceArchive::Scramble(bytes.data(), bytes.size());
  EXPECT_EQ(bytes, Counting(2100));
}

TEST(OResourceArchiveLowerCase, ChangesOnlyAsciiLetters) {
  EXPECT_EQ(OResourceArchive::LowerCase("Data/Models/Hi/Yellow.ASVM \xC4"),
            "data/models/hi/yellow.asvm \xC4");
}

}  // namespace
