// The files the game reads pictures and models from: what our writer writes
// reads back the same, and every damaged file (each found by fuzzing or a
// crash) is refused with a clear error rather than trusted.
#include <gtest/gtest.h>

#include <algorithm>

#include "TextureTest.h"
#include "asvm/AsvmWriter.h"
#include "core/OException.h"
#include "gfx/AsvmFile.h"
#include "gfx/JpegDecode.h"
#include "gfx/OTexture.h"
#include "support/TestModels.h"

namespace {

// Offsets in the quad's file: 64 header, 4 x 12 positions, 4 x 8 texcoords.
constexpr std::size_t kFirstObject = 64 + 48 + 32;
constexpr std::size_t kFirstFace = kFirstObject + 60;

TEST(AsvmFile, WhatTheWriterWritesParsesBackTheSame) {
  AsvmFile noVertices;
  noVertices.objects.resize(1);
  AsvmFile longName = QuadModel();
  longName.texture2 = "sixteen-bytes.tg";
  AsvmFile normals = QuadModel();
  normals.normalIndices = true;
  const struct {
    const char* what;
    AsvmFile model;
    std::size_t size;
  } cases[] = {
      {"two objects", QuadModel(), kFirstFace + 2 * 3 * 8 + 60 + 3 * 8},
      {"with normal indices", normals, kFirstFace + 2 * 3 * 12 + 60 + 3 * 12},
      {"a name filling its field", longName, kFirstFace + 2 * 3 * 8 + 60 + 3 * 8},
      {"no objects: last object index -1", AsvmFile{}, 64},
      {"no vertices, one empty object", noVertices, 64 + 60},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Bytes bytes = AsvmWriter::Write(c.model);
    EXPECT_EQ(bytes.size(), c.size);
    const AsvmFile::ParseResult result = AsvmFile::Parse(bytes);
    ASSERT_TRUE(result.file && result.magicMatched);
    EXPECT_EQ(AsvmWriter::Write(*result.file), bytes) << "every field read back";
  }
  longName.texture2 = "seventeen-bytes.t";
  EXPECT_THROW(AsvmWriter::Write(longName), AsvmWriter::Unwritable);
}

TEST(AsvmFile, FilesThatLieAboutTheirContentsAreRefused) {
  const struct {
    const char* what;
    void (*change)(Bytes&);
    bool accepted = false;
  } cases[] = {
      {"any non-zero normal flag means nine indices", [](Bytes& b) { PutLittle32(b, 24, 5); }, true},
      {"a normal index is never looked up", [](Bytes& b) { PutLittle32(b, kFirstFace + 8, 999); }, true},
      {"a wrong magic is only told", [](Bytes& b) { b[0] = 'X'; }, true},
      {"shorter than the header", [](Bytes& b) { b.resize(63); }},
      {"vertex count past the end", [](Bytes& b) { PutLittle32(b, 16, 100000000); }},
      {"negative vertex count", [](Bytes& b) { PutLittle32(b, 16, -1); }},
      {"texture-coordinate count past the end", [](Bytes& b) { PutLittle32(b, 20, 0x7FFFFFFF); }},
      {"negative face total", [](Bytes& b) { PutLittle32(b, 28, -1); }},
      {"more objects than records", [](Bytes& b) { PutLittle32(b, 12, 2); }},
      {"object face count past the end", [](Bytes& b) { PutLittle32(b, kFirstObject + 4, 1000); }},
      {"negative object face count", [](Bytes& b) { PutLittle32(b, kFirstObject + 4, -1); }},
      {"face total above the objects' faces", [](Bytes& b) { PutLittle32(b, 28, 4); }},
      {"face total below the objects' faces", [](Bytes& b) { PutLittle32(b, 28, 2); }},
      {"vertex index 0", [](Bytes& b) { PutLittle32(b, kFirstFace, 0); }},
      {"vertex index past the pool", [](Bytes& b) { PutLittle32(b, kFirstFace, 5); }},
      {"texture-coordinate index past the pool", [](Bytes& b) { PutLittle32(b, kFirstFace + 4, 5); }},
      {"negative index", [](Bytes& b) { PutLittle32(b, kFirstFace + 4, -3); }},
      {"cut inside the last face", [](Bytes& b) { b.resize(b.size() - 1); }},
  };
  AsvmFile model = QuadModel();
  model.normalIndices = true;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes bytes = AsvmWriter::Write(model);
    c.change(bytes);
    const AsvmFile::ParseResult result = AsvmFile::Parse(bytes);
    EXPECT_EQ(result.file.has_value(), c.accepted);
    if (result.file) {
      EXPECT_EQ(result.magicMatched, bytes[0] == 'A');
      EXPECT_EQ(result.file->objects[1].faces[0][0].texCoord, 4) << "the corners after the normal index";
    }
  }
}

// The first occurrence of `marker` in a file.
std::size_t Find(const Bytes& file, std::initializer_list<std::uint8_t> marker) {
  return std::search(file.begin(), file.end(), marker.begin(), marker.end()) - file.begin();
}

TEST(DecodeJpeg, DecodableDamageIsTakenSilentlyAndHugeSizesAreRefused) {
  // Stray bytes before the frame header draw a libjpeg warning, not an error.
  Bytes file = JpegFile({"RG"}, 16);
  file.insert(file.begin() + static_cast<std::ptrdiff_t>(Find(file, {0xFF, 0xC0})), {1, 2, 3});
  ::testing::internal::CaptureStderr();
  const auto image = DecodeJpeg(file);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_TRUE(image);

  // Marker, length (2), precision (1), then a height of 65500 that must not be allocated.
  Bytes huge = JpegFile({"R"}, 16);
  const std::size_t frame = Find(huge, {0xFF, 0xC0});
  huge[frame + 5] = 0xFF;
  huge[frame + 6] = 0xDC;
  EXPECT_FALSE(DecodeJpeg(huge));
}

using RefusedTextureTest = TextureTest;

TEST_F(RefusedTextureTest, DamagedOrUnsupportedPicturesThrowAndAreNotCached) {
  const Bytes tga = TgaFile({"RG", "BY"});
  const Bytes jpeg = JpegFile({"RG", "BY"}, 16);
  const auto changed = [](Bytes file, std::size_t at, std::uint8_t value) {
    file[at] = value;
    return file;
  };
  const std::vector<std::pair<std::string, Bytes>> refused = {
      {"UpperCase.JPG", jpeg},
      {"ImageId.tga", changed(tga, 0, 1)},
      {"ColourMap.tga", changed(tga, 1, 1)},
      {"Origin.tga", changed(tga, 10, 1)},
      {"Rle.tga", changed(tga, 2, 10)},
      {"Bits16.tga", changed(tga, 16, 16)},
      {"Grey24.tga", changed(tga, 2, 3)},
      {"Truncated.tga", Bytes(tga.begin(), tga.end() - 1)},
      {"HeaderOnly.tga", Bytes(tga.begin(), tga.begin() + 17)},
      {"BadPrecision.jpg", changed(jpeg, Find(jpeg, {0xFF, 0xC0}) + 4, 7)},
      {"NotAJpeg.jpg", tga},
      {"CutInHeader.jpg", Bytes(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(jpeg.size() / 2))},
      {"CutInPicture.jpg",
       Bytes(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(Find(jpeg, {0xFF, 0xDA}) + 20))},
      {"Cmyk.jpg", JpegFile({"RG"}, 16, JpegColours::kCmyk)},
  };
  TextureArchive archive(refused);
  for (const auto& [name, bytes] : refused) {
    SCOPED_TRACE(name);
    OTexture texture;
    EXPECT_THROW(texture.Set(name), OFileNotFound);
    EXPECT_TRUE(texture.Empty());
    EXPECT_EQ(texture.Name(), name);
    EXPECT_EQ(manager_.Find(name), nullptr);
  }
  SCOPED_TRACE("a missing file");
  OTexture texture;
  EXPECT_THROW(texture.Set("Missing.tga"), OFileNotFound);
  EXPECT_EQ(manager_.Count(), 0u);
}

}  // namespace
