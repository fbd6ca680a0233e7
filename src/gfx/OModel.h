// A drawable instance of a model file. Instances of one file share its
// geometry; each has its own transform, scale, visible objects and alpha.
#pragma once

#include <GL/gl.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/O3D.h"

class OModelData;
class PictureKey;

class OModel : public O3D {
 public:
  OModel();
  OModel(const OModel& other);
  OModel& operator=(const OModel&) = delete;
  ~OModel() override;

  // Loads the file "Data/Models/" + name, or from the Hi or Low folder when
  // the data has detail levels; a second model of the same name shares the
  // first one's geometry. Throws OFileNotFound when the file cannot be read.
  bool Load(const std::string& name);
  // Opaque and lit with alpha 0; unlit and blended with any other alpha.
  void Draw() override;
  // Everything Draw reads: the geometry, the texture, the placement, the
  // scale, the blending and which objects show.
  void AddToPictureKey(PictureKey& key) const;

  // Shows one object, or object 0 when there is no such object; exclusive hides the others first.
  void SetVisible(std::size_t index, bool exclusive);
  void HideAll();
  bool IsVisible(std::size_t index) const;
  void SetScale(float x, float y, float z);
  const std::array<float, 3>& Scale() const { return scale_; }
  void SetAlpha(float alpha) { alpha_ = alpha; }
  float Alpha() const { return alpha_; }
  void SetBlendFunc(GLenum source, GLenum destination);
  // Scales the shared geometry: every instance of this file sees it.
  void ScaleGeometry(float x, float y, float z);
  void ScaleUniform(float s);
  void Compile();
  // Writes the box around the geometry, which always holds the origin, into
  // the half-extents and centre. False when there is no geometry.
  bool ComputeBounds();

  const std::string& Name() const { return name_; }
  OModelData& Data() const { return *data_; }
  std::size_t ObjectCount() const;

 protected:
  // Draw, of the visible objects from first up to end only.
  void DrawObjects(std::size_t first, std::size_t end);

 private:
  void ShowEveryObject();
  // The flags, one per object of the data as it is now: a detail reload may
  // have changed the count since they were made.
  std::vector<std::uint8_t>& Flags();
  void ReleaseData();
  void DrawVisibleObjects(std::size_t first, std::size_t end);

  GLenum blendSource_ = GL_SRC_ALPHA;
  GLenum blendDestination_ = GL_ONE_MINUS_SRC_ALPHA;
  bool scaled_ = false;
  std::string name_;
  std::array<float, 3> scale_{1.0f, 1.0f, 1.0f};
  OModelData* data_;
  // One flag per object; an object that a detail reload added has none yet and shows.
  std::vector<std::uint8_t> visible_;
  float alpha_ = 0.0f;
};
