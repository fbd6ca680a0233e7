// The geometry of one model file, shared by every OModel of that name: the
// vertex, normal and texture-coordinate pools, the faces, the objects and the
// model's textures.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gfx/OModelObject.h"
#include "gfx/OTexture.h"
#include "gfx/RCObject.h"

class OResourceArchive;

class OModelData : public RCObject {
 public:
  // Indices into the pools, from 0; a corner's normal is its vertex's normal.
  struct Face {
    std::array<std::uint32_t, 3> vertex;
    std::array<std::uint32_t, 3> texCoord;
  };

  OModelData() = default;
  ~OModelData() override;

  // Reads a model file from the archive into this data, replacing its geometry
  // and objects. Textures named by the file are set up unless skipped; a missing
  // texture throws OFileNotFound. Returns false when the file is missing or corrupt.
  bool Parse(const std::string& path, bool loadTextures);

  void ComputeNormals();
  // Multiplies every position, and keeps the factors for a reload.
  void ScaleGeometry(float x, float y, float z);
  // Gives every object a display list.
  void Compile();
  void DeleteDisplayLists();

  std::vector<std::array<float, 3>> positions;
  std::vector<std::array<float, 3>> normals;
  std::vector<std::array<float, 2>> texCoords;
  std::vector<Face> faces;
  std::vector<std::unique_ptr<OModelObject>> objects;
  // Set by the owner before the first load when the model has a high- and a low-detail file.
  bool detailLevels = false;
  std::array<float, 3> geometryScale{1.0f, 1.0f, 1.0f};
  std::unique_ptr<OTexture> texture1;
  std::unique_ptr<OTexture> texture2;
  bool objectsCompiled = false;
  // Counts the changes made to the pools here, so that the objects' vertex
  // arrays know when they are out of date.
  std::uint32_t geometryRevision = 0;
};
