// Model files: what the writer writes the parser reads back, and every way a
// file can lie about its counts or indices is refused rather than trusted.
#include <gtest/gtest.h>

#include <cstring>

#include "asvm/AsvmWriter.h"
#include "gfx/AsvmFile.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Two objects over one quad: the normal face and a highlighted one.
AsvmFile Quad() {
  AsvmFile model;
  model.texture1 = "scr.tga";
  model.texture2 = "x";
  model.positions = {{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}};
  model.texCoords = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  AsvmFile::Object face;
  face.faces = {{{{1, 1}, {2, 2}, {3, 3}}}, {{{1, 1}, {3, 3}, {4, 4}}}};
  face.material.shininess = 12;
  AsvmFile::Object highlight;
  highlight.faces = {{{{1, 4}, {2, 3}, {3, 2}}}};
  highlight.material.diffuse = {1, 1, 0, 0.5f};
  model.objects = {face, highlight};
  return model;
}

void PutI32(Bytes& bytes, std::size_t offset, std::int32_t value) { std::memcpy(&bytes[offset], &value, 4); }

// Offsets in the quad's file: 64 header, 4 x 12 positions, 4 x 8 texcoords.
constexpr std::size_t kFirstObject = 64 + 48 + 32;
constexpr std::size_t kFirstFace = kFirstObject + 60;

TEST(AsvmFile, WhatTheWriterWritesParsesBackTheSame) {
  for (const bool normalIndices : {false, true}) {
    SCOPED_TRACE(normalIndices ? "with normal indices" : "without normal indices");
    AsvmFile model = Quad();
    model.normalIndices = normalIndices;
    const Bytes bytes = AsvmWriter::Write(model);
    EXPECT_EQ(bytes.size(),
              kFirstFace + 2 * 3 * (normalIndices ? 12 : 8) + 60 + 3 * (normalIndices ? 12 : 8));

    const AsvmFile::ParseResult result = AsvmFile::Parse(bytes);
    ASSERT_TRUE(result.file);
    EXPECT_TRUE(result.magicMatched);
    EXPECT_EQ(AsvmWriter::Write(*result.file), bytes);
    EXPECT_EQ(result.file->texture1, "scr.tga");
    EXPECT_EQ(result.file->objects.size(), 2u);
    EXPECT_EQ(result.file->objects[1].material.diffuse[3], 0.5f);
  }
}

TEST(AsvmFile, AnyNonZeroNormalFlagMeansNineIndicesAndTheNormalsAreIgnored) {
  AsvmFile model = Quad();
  model.normalIndices = true;
  Bytes bytes = AsvmWriter::Write(model);
  PutI32(bytes, 24, 5);
  PutI32(bytes, kFirstFace + 8, 999);  // the first corner's normal index, far out of any pool
  const AsvmFile::ParseResult result = AsvmFile::Parse(bytes);
  ASSERT_TRUE(result.file);
  EXPECT_EQ(result.file->objects[1].faces[0][0].texCoord, 4);
}

TEST(AsvmFile, ALastObjectIndexOfMinusOneIsAModelWithoutObjects) {
  AsvmFile model = Quad();
  model.objects.clear();
  const AsvmFile::ParseResult result = AsvmFile::Parse(AsvmWriter::Write(model));
  ASSERT_TRUE(result.file);
  EXPECT_TRUE(result.file->objects.empty());
}

TEST(AsvmFile, AWrongMagicIsToldButTheFileStillParses) {
  Bytes bytes = AsvmWriter::Write(Quad());
  bytes[0] = 'X';
  const AsvmFile::ParseResult result = AsvmFile::Parse(bytes);
  EXPECT_FALSE(result.magicMatched);
  EXPECT_TRUE(result.file);
}

TEST(AsvmFile, ATextureNameFillingItsFieldIsTakenWhole) {
  AsvmFile model = Quad();
  model.texture2 = "sixteen-bytes.tg";
  const AsvmFile::ParseResult result = AsvmFile::Parse(AsvmWriter::Write(model));
  ASSERT_TRUE(result.file);
  EXPECT_EQ(result.file->texture2, "sixteen-bytes.tg");
  EXPECT_EQ(result.file->texture1, "scr.tga");
  model.texture2 = "seventeen-bytes.t";
  EXPECT_THROW(AsvmWriter::Write(model), AsvmWriter::Unwritable);
}

TEST(AsvmFile, FilesThatLieAboutTheirContentsAreRefused) {
  struct Case {
    const char* what;
    void (*corrupt)(Bytes&);
  };
  const Case cases[] = {
      {"shorter than the header", [](Bytes& b) { b.resize(63); }},
      {"vertex count past the end", [](Bytes& b) { PutI32(b, 16, 100000000); }},
      {"negative vertex count", [](Bytes& b) { PutI32(b, 16, -1); }},
      {"texture-coordinate count past the end", [](Bytes& b) { PutI32(b, 20, 0x7FFFFFFF); }},
      {"more objects than records", [](Bytes& b) { PutI32(b, 12, 2); }},
      {"object face count past the end", [](Bytes& b) { PutI32(b, kFirstObject + 4, 1000); }},
      {"negative object face count", [](Bytes& b) { PutI32(b, kFirstObject + 4, -1); }},
      {"face total above the objects' faces", [](Bytes& b) { PutI32(b, 28, 4); }},
      {"face total below the objects' faces", [](Bytes& b) { PutI32(b, 28, 2); }},
      {"vertex index 0", [](Bytes& b) { PutI32(b, kFirstFace, 0); }},
      {"vertex index past the pool", [](Bytes& b) { PutI32(b, kFirstFace, 5); }},
      {"texture-coordinate index past the pool", [](Bytes& b) { PutI32(b, kFirstFace + 4, 5); }},
      {"negative index", [](Bytes& b) { PutI32(b, kFirstFace + 4, -3); }},
      {"cut inside the last face", [](Bytes& b) { b.resize(b.size() - 1); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes bytes = AsvmWriter::Write(Quad());
    c.corrupt(bytes);
    EXPECT_FALSE(AsvmFile::Parse(bytes).file);
  }
}

}  // namespace
