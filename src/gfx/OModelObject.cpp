#include "gfx/OModelObject.h"

#include <map>
#include <utility>

#include "gfx/OModelData.h"

OModelObject::OModelObject(const OModelData& data, std::size_t firstFace, std::size_t faceCount,
                           const Material& material)
    : data_(data), firstFace_(firstFace), faceCount_(faceCount), material_(material) {}

OModelObject::~OModelObject() { DeleteDisplayList(); }

void OModelObject::Draw() {
  if (compiled_) {
    glCallList(displayList_);
  } else {
    DrawFaces();
  }
}

void OModelObject::Compile() {
  DeleteDisplayList();
  displayList_ = glGenLists(1);
  glNewList(displayList_, GL_COMPILE);
  DrawFaces();
  glEndList();
  compiled_ = true;
}

void OModelObject::DeleteDisplayList() {
  if (displayList_ != 0) {
    glDeleteLists(displayList_, 1);
  }
  displayList_ = 0;
  compiled_ = false;
}

void OModelObject::BuildArrays() {
  vertices_.clear();
  indices_.clear();
  std::map<std::pair<std::uint32_t, std::uint32_t>, GLuint> shared;
  for (std::size_t index = firstFace_; index < firstFace_ + faceCount_; ++index) {
    const OModelData::Face& face = data_.faces[index];
    for (int corner = 0; corner < 3; ++corner) {
      const auto [found, added] = shared.try_emplace({face.vertex[corner], face.texCoord[corner]},
                                                     static_cast<GLuint>(vertices_.size()));
      if (added) {
        vertices_.push_back({data_.normals[face.vertex[corner]], data_.texCoords[face.texCoord[corner]],
                             data_.positions[face.vertex[corner]]});
      }
      indices_.push_back(found->second);
    }
  }
  builtRevision_ = data_.geometryRevision;
  built_ = true;
}

void OModelObject::DrawFaces() {
  if (!built_ || builtRevision_ != data_.geometryRevision) {
    BuildArrays();
  }
  if (indices_.empty()) {
    return;
  }
  constexpr GLsizei kStride = sizeof(Vertex);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnableClientState(GL_VERTEX_ARRAY);
  glNormalPointer(GL_FLOAT, kStride, vertices_[0].normal.data());
  glTexCoordPointer(2, GL_FLOAT, kStride, vertices_[0].texCoord.data());
  glVertexPointer(3, GL_FLOAT, kStride, vertices_[0].position.data());
  glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indices_.size()), GL_UNSIGNED_INT, indices_.data());
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
}
