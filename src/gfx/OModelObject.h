// One object of a model: a run of the model's faces, drawn alone so that a
// button can show its normal or its highlighted face.
#pragma once

#include <GL/gl.h>

#include <array>
#include <cstddef>

#include "gfx/O3D.h"

class OModelData;

class OModelObject : public O3D {
 public:
  struct Material {
    std::array<float, 4> ambient{};
    std::array<float, 4> diffuse{};
    std::array<float, 4> specular{};
    float shininess = 0.0f;
  };

  OModelObject(const OModelData& data, std::size_t firstFace, std::size_t faceCount,
               const Material& material);
  ~OModelObject() override;
  OModelObject(const OModelObject&) = delete;
  OModelObject& operator=(const OModelObject&) = delete;

  void Draw() override;
  void Compile();
  void DeleteDisplayList();

  bool Compiled() const { return compiled_; }
  std::size_t FaceCount() const { return faceCount_; }
  // Kept as read; drawing does not apply it.
  const Material& GetMaterial() const { return material_; }

 private:
  void DrawFaces() const;

  const OModelData& data_;
  std::size_t firstFace_;
  std::size_t faceCount_;
  Material material_;
  GLuint displayList_ = 0;
  bool compiled_ = false;
};
