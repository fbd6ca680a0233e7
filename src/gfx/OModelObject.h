// One object of a model: a run of the model's faces, drawn alone so that a
// button can show its normal or its highlighted face.
#pragma once

#include <GL/gl.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

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
  // One corner as the arrays hand it to OpenGL.
  struct Vertex {
    std::array<float, 3> normal;
    std::array<float, 2> texCoord;
    std::array<float, 3> position;
  };

  // One call for all the faces: corners given one by one cost the driver more
  // than the triangles cost the rasterizer.
  void DrawFaces();
  // Corners that share a position and a texture coordinate become one vertex,
  // so the lighting is worked out once for them.
  void BuildArrays();

  const OModelData& data_;
  std::size_t firstFace_;
  std::size_t faceCount_;
  Material material_;
  GLuint displayList_ = 0;
  bool compiled_ = false;
  std::vector<Vertex> vertices_;
  std::vector<GLuint> indices_;
  // The geometry the arrays were built from; they are built again when it moves on.
  std::uint32_t builtRevision_ = 0;
  bool built_ = false;
};
