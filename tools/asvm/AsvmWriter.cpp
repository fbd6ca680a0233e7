#include "asvm/AsvmWriter.h"

#include <cstring>
#include <limits>

namespace {

void AppendI32(std::vector<std::uint8_t>& out, std::int64_t value) {
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
    throw AsvmWriter::Unwritable("a count or index does not fit 32 bits");
  }
  const auto bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<std::uint8_t>(bits >> shift));
  }
}

void AppendF32(std::vector<std::uint8_t>& out, float value) {
  std::uint32_t bits;
  std::memcpy(&bits, &value, 4);
  AppendI32(out, static_cast<std::int32_t>(bits));
}

template <std::size_t N>
void AppendFloats(std::vector<std::uint8_t>& out, const std::array<float, N>& values) {
  for (float value : values) {
    AppendF32(out, value);
  }
}

void AppendName(std::vector<std::uint8_t>& out, const std::string& name) {
  if (name.size() > AsvmFile::kTextureNameSize) {
    throw AsvmWriter::Unwritable("texture name \"" + name + "\" is longer than 16 bytes");
  }
  out.insert(out.end(), name.begin(), name.end());
  out.resize(out.size() + AsvmFile::kTextureNameSize - name.size(), 0);
}

}  // namespace

std::vector<std::uint8_t> AsvmWriter::Write(const AsvmFile& model) {
  std::vector<std::uint8_t> out(std::begin(AsvmFile::kMagic), std::end(AsvmFile::kMagic));
  out.resize(12, 0);
  AppendI32(out, static_cast<std::int64_t>(model.objects.size()) - 1);
  AppendI32(out, static_cast<std::int64_t>(model.positions.size()));
  AppendI32(out, static_cast<std::int64_t>(model.texCoords.size()));
  AppendI32(out, model.normalIndices ? 1 : 0);
  AppendI32(out, static_cast<std::int64_t>(model.FaceCount()));
  AppendName(out, model.texture1);
  AppendName(out, model.texture2);

  for (const auto& position : model.positions) {
    AppendFloats(out, position);
  }
  for (const auto& texCoord : model.texCoords) {
    AppendFloats(out, texCoord);
  }
  for (const AsvmFile::Object& object : model.objects) {
    AppendI32(out, 0);
    AppendI32(out, static_cast<std::int64_t>(object.faces.size()));
    AppendFloats(out, object.material.ambient);
    AppendFloats(out, object.material.diffuse);
    AppendFloats(out, object.material.specular);
    AppendF32(out, object.material.shininess);
    for (const AsvmFile::Face& face : object.faces) {
      for (const AsvmFile::Corner& corner : face) {
        AppendI32(out, corner.vertex);
        AppendI32(out, corner.texCoord);
        if (model.normalIndices) {
          AppendI32(out, corner.vertex);
        }
      }
    }
  }
  return out;
}
