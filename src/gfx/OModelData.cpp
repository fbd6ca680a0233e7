#include "gfx/OModelData.h"

#include <cmath>

#include "core/OResourceArchive.h"
#include "gfx/AsvmFile.h"
#include "platform/MessageBox.h"

namespace {

using Vector = std::array<float, 3>;

Vector Subtract(const Vector& a, const Vector& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

Vector Cross(const Vector& a, const Vector& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

void NormaliseIfNotZero(Vector& v) {
  const float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  if (length != 0.0f) {
    v = {v[0] / length, v[1] / length, v[2] / length};
  }
}

OModelObject::Material MaterialOf(const AsvmFile::Material& material) {
  return {material.ambient, material.diffuse, material.specular, material.shininess};
}

// A texture named by a model; a one-byte first name means "none", as older files have it.
std::unique_ptr<OTexture> TextureNamed(const std::string& name, std::size_t shortestName) {
  if (name.size() < shortestName) {
    return nullptr;
  }
  auto texture = std::make_unique<OTexture>();
  texture->Set(name);
  return texture;
}

}  // namespace

OModelData::~OModelData() {
  DeleteDisplayLists();
  objects.clear();
}

bool OModelData::Parse(const std::string& path, bool loadTextures) {
  const std::optional<std::vector<std::uint8_t>> bytes = OResourceArchive::Instance().Read(path);
  if (!bytes) {
    return false;
  }
  AsvmFile::ParseResult parsed = AsvmFile::Parse(*bytes);
  if (!parsed.magicMatched) {
    platform::ShowMessageBox("Error", "Wrong model format.", platform::MessageBoxIcon::Warning);
  }
  if (!parsed.file) {
    return false;
  }
  const AsvmFile& file = *parsed.file;

  if (loadTextures) {
    texture1 = TextureNamed(file.texture1, 2);
    texture2 = TextureNamed(file.texture2, 1);
  }

  DeleteDisplayLists();
  objects.clear();
  faces.clear();
  positions = file.positions;
  texCoords = file.texCoords;
  for (const AsvmFile::Object& object : file.objects) {
    const std::size_t firstFace = faces.size();
    for (const AsvmFile::Face& face : object.faces) {
      Face& stored = faces.emplace_back();
      for (int corner = 0; corner < 3; ++corner) {
        stored.vertex[corner] = static_cast<std::uint32_t>(face[corner].vertex - 1);
        stored.texCoord[corner] = static_cast<std::uint32_t>(face[corner].texCoord - 1);
      }
    }
    objects.push_back(
        std::make_unique<OModelObject>(*this, firstFace, object.faces.size(), MaterialOf(object.material)));
  }
  ComputeNormals();
  return true;
}

void OModelData::ComputeNormals() {
  ++geometryRevision;
  normals.assign(positions.size(), Vector{0.0f, 0.0f, 0.0f});
  for (const Face& face : faces) {
    const Vector& a = positions[face.vertex[0]];
    Vector n = Cross(Subtract(positions[face.vertex[1]], a), Subtract(positions[face.vertex[2]], a));
    NormaliseIfNotZero(n);
    for (const std::uint32_t vertex : face.vertex) {
      for (int axis = 0; axis < 3; ++axis) {
        normals[vertex][axis] += n[axis];
      }
    }
  }
  for (Vector& normal : normals) {
    NormaliseIfNotZero(normal);
  }
}

void OModelData::ScaleGeometry(float x, float y, float z) {
  // Kept as the product of every scaling, so a reload from the file ends where this left off.
  geometryScale = {geometryScale[0] * x, geometryScale[1] * y, geometryScale[2] * z};
  ++geometryRevision;
  for (Vector& position : positions) {
    position = {position[0] * x, position[1] * y, position[2] * z};
  }
}

void OModelData::Compile() {
  for (const auto& object : objects) {
    object->Compile();
  }
  objectsCompiled = true;
}

void OModelData::DeleteDisplayLists() {
  for (const auto& object : objects) {
    object->DeleteDisplayList();
  }
}
