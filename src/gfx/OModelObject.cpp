#include "gfx/OModelObject.h"

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

void OModelObject::DrawFaces() const {
  glBegin(GL_TRIANGLES);
  for (std::size_t index = firstFace_; index < firstFace_ + faceCount_; ++index) {
    const OModelData::Face& face = data_.faces[index];
    for (int corner = 0; corner < 3; ++corner) {
      glNormal3fv(data_.normals[face.vertex[corner]].data());
      glTexCoord2fv(data_.texCoords[face.texCoord[corner]].data());
      glVertex3fv(data_.positions[face.vertex[corner]].data());
    }
  }
  glEnd();
}
