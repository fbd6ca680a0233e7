// The base of everything placed in the world (models, their parts, the camera,
// lights, sprites, 3D text): a transform, an optional parent and the box that
// picking and debug outlines use. World space has +Z up.
#pragma once

#include <array>
#include <cstdint>

class OCamera;

class O3D {
 public:
  O3D();
  virtual ~O3D() = default;
  // A copy keeps the parent pointer: copies of a part stay attached to the same model.
  O3D(const O3D&) = default;
  O3D& operator=(const O3D&) = default;

  // Most objects stand still; animated ones override this with the time since the last frame.
  virtual void Update(std::uint32_t elapsed);
  // The bounding box as red lines, for seeing what picking tests against.
  virtual void Draw();

  void SetParent(O3D* newParent);

  // Turn the object about one of its own axes, in radians; it stays where it is.
  void RotateLocalX(float angle);
  void RotateLocalZ(float angle);
  // Turn the object, position included, about the world's vertical axis.
  void RotateWorldZ(float angle);
  // Turns the axes so that the world direction f ends up pointing from the object's
  // position at the target. The position does not move.
  void TurnToward(float tx, float ty, float tz, float fx, float fy, float fz);

  std::array<float, 16> GetWorldMatrix() const;
  std::array<float, 3> GetWorldPosition() const;

  // Whether the infinite line through two world points crosses the box
  // (halfExtents around centre, in the object's own frame).
  bool IntersectsLine(const std::array<float, 3>& start, const std::array<float, 3>& end) const;

  // Turns a sprite to look at the camera, upright as the camera sees it.
  void FaceCamera(const O3D& camera);
  // Moves the object to where the ray through a window pixel (y up from the bottom
  // edge) meets the horizontal plane at world height z.
  void PlaceAtScreenPoint(float x, float y, float z, const OCamera& camera);
  // Same, with the pixel given on a screen of the design size, so that layouts made
  // for one resolution land in the same place at every other.
  void PlaceAtDesignPoint(float x, float y, float z, const OCamera& camera, float designWidth,
                          float designHeight);

  // Column-major, as OpenGL takes it: 0-2 local X, 4-6 local Y, 8-10 local Z, 12-14 position.
  float transform[16];
  float reserved[12] = {};
  float unitScale = 1.0f;
  float size = 0.0f;
  // The box in the object's own frame, as two corners and as centre and half sizes.
  float boxMin[3] = {};
  float boxMax[3] = {};
  float halfExtents[3] = {};
  float centre[3] = {};
  O3D* parent = nullptr;  // not owned
};
