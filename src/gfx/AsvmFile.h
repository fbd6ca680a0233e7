// An ASVM3D model file in memory: one vertex pool, one texture-coordinate pool,
// up to two texture names, and the objects with their materials and faces.
// The loader builds drawable geometry from it; the asset generator writes it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct AsvmFile {
  static constexpr std::size_t kHeaderSize = 64;
  static constexpr std::size_t kObjectRecordSize = 60;
  static constexpr std::size_t kTextureNameSize = 16;
  static constexpr char kMagic[6] = {'A', 'S', 'V', 'M', '3', 'D'};

  struct Material {
    std::array<float, 4> ambient{0.2f, 0.2f, 0.2f, 1.0f};
    std::array<float, 4> diffuse{0.8f, 0.8f, 0.8f, 1.0f};
    std::array<float, 4> specular{0.0f, 0.0f, 0.0f, 1.0f};
    float shininess = 0.0f;
  };
  // Indices count from 1, as the file stores them.
  struct Corner {
    std::int32_t vertex = 1;
    std::int32_t texCoord = 1;
  };
  using Face = std::array<Corner, 3>;
  struct Object {
    Material material;
    std::vector<Face> faces;
  };

  std::string texture1;  // bare names in the texture folder; empty for none
  std::string texture2;
  std::vector<std::array<float, 3>> positions;
  std::vector<std::array<float, 2>> texCoords;
  // Whether each corner also carries a normal index. The loader computes its
  // own smooth normals, so these indices are read past and never used.
  bool normalIndices = false;
  std::vector<Object> objects;

  std::size_t FaceCount() const;

  struct ParseResult;
  // Parses a file whose magic may be wrong (the caller decides what to say);
  // counts and indices are checked against the file size and their pools.
  static ParseResult Parse(std::span<const std::uint8_t> bytes);
};

struct AsvmFile::ParseResult {
  std::optional<AsvmFile> file;  // nothing when the bytes are not a whole, consistent model
  bool magicMatched = false;
};
