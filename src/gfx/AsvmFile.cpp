#include "gfx/AsvmFile.h"

#include <algorithm>
#include <cstring>

// Layout, little-endian 32-bit fields, no padding:
//   0  magic "ASVM3D", then 6 unused bytes
//   12 last object index (objects - 1; negative for none)
//   16 vertex count V, 20 texture-coordinate count T
//   24 normal-index flag N (0: corners are vertex, texcoord; else vertex, texcoord, normal)
//   28 total face count F
//   32 first texture name, 48 second texture name (16 bytes each, zero-terminated)
//   64 V x (x, y, z), then T x (s, t), all f32
//   then per object: a 60-byte record (unused u32, face count, ambient, diffuse,
//   specular RGBA, shininess) followed by its faces' indices.

namespace {

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool Has(std::size_t count) const { return bytes_.size() - position_ >= count; }
  void Seek(std::size_t position) { position_ = position; }

  std::int32_t I32() {
    std::int32_t value;
    std::memcpy(&value, bytes_.data() + position_, 4);
    position_ += 4;
    return value;
  }
  float F32() {
    float value;
    std::memcpy(&value, bytes_.data() + position_, 4);
    position_ += 4;
    return value;
  }
  template <std::size_t N>
  std::array<float, N> Floats() {
    std::array<float, N> values;
    for (float& value : values) {
      value = F32();
    }
    return values;
  }
  // A zero-terminated name in a fixed field; a name filling the field is taken whole.
  std::string Name(std::size_t fieldSize) {
    const char* start = reinterpret_cast<const char*>(bytes_.data() + position_);
    position_ += fieldSize;
    return std::string(start, strnlen(start, fieldSize));
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

bool InPool(std::int32_t index, std::size_t poolSize) {
  return index >= 1 && static_cast<std::size_t>(index) <= poolSize;
}

}  // namespace

std::size_t AsvmFile::FaceCount() const {
  std::size_t count = 0;
  for (const Object& object : objects) {
    count += object.faces.size();
  }
  return count;
}

AsvmFile::ParseResult AsvmFile::Parse(std::span<const std::uint8_t> bytes) {
  ParseResult result;
  if (bytes.size() < kHeaderSize) {
    return result;
  }
  result.magicMatched = std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin());

  Reader in(bytes);
  in.Seek(12);
  const std::int32_t lastObject = in.I32();
  const std::int32_t vertexCount = in.I32();
  const std::int32_t texCoordCount = in.I32();
  const std::int32_t normalFlag = in.I32();
  const std::int32_t faceCount = in.I32();
  if (vertexCount < 0 || texCoordCount < 0 || faceCount < 0) {
    return result;
  }

  AsvmFile file;
  file.texture1 = in.Name(kTextureNameSize);
  file.texture2 = in.Name(kTextureNameSize);
  file.normalIndices = normalFlag != 0;

  // Counts are checked against what is left of the file before anything is allocated.
  if (!in.Has(static_cast<std::size_t>(vertexCount) * 12)) {
    return result;
  }
  file.positions.resize(static_cast<std::size_t>(vertexCount));
  for (auto& position : file.positions) {
    position = in.Floats<3>();
  }
  if (!in.Has(static_cast<std::size_t>(texCoordCount) * 8)) {
    return result;
  }
  file.texCoords.resize(static_cast<std::size_t>(texCoordCount));
  for (auto& texCoord : file.texCoords) {
    texCoord = in.Floats<2>();
  }

  const std::size_t indicesPerCorner = file.normalIndices ? 3 : 2;
  std::size_t facesLeft = static_cast<std::size_t>(faceCount);
  for (std::int32_t index = 0; index <= lastObject; ++index) {
    if (!in.Has(kObjectRecordSize)) {
      return result;
    }
    Object object;
    in.I32();
    const std::int32_t objectFaces = in.I32();
    object.material.ambient = in.Floats<4>();
    object.material.diffuse = in.Floats<4>();
    object.material.specular = in.Floats<4>();
    object.material.shininess = in.F32();
    if (objectFaces < 0 || static_cast<std::size_t>(objectFaces) > facesLeft ||
        !in.Has(static_cast<std::size_t>(objectFaces) * 3 * indicesPerCorner * 4)) {
      return result;
    }
    facesLeft -= static_cast<std::size_t>(objectFaces);

    object.faces.resize(static_cast<std::size_t>(objectFaces));
    for (Face& face : object.faces) {
      for (Corner& corner : face) {
        corner.vertex = in.I32();
        corner.texCoord = in.I32();
        if (file.normalIndices) {
          in.I32();
        }
        if (!InPool(corner.vertex, file.positions.size()) ||
            !InPool(corner.texCoord, file.texCoords.size())) {
          return result;
        }
      }
    }
    file.objects.push_back(std::move(object));
  }
  // The header's face total must be exactly the objects' faces.
  if (facesLeft != 0) {
    return result;
  }
  result.file = std::move(file);
  return result;
}
