// The eye the world is drawn from: a perspective projection and the view matrix
// made from the camera's own transform. It looks along its local -Z.
#pragma once

#include <array>

#include "gfx/O3D.h"

class OCamera : public O3D {
 public:
  OCamera(float width, float height, float fieldOfView, float nearDistance, float farDistance);

  // Sets the viewport, the projection and the view from the camera's current pose.
  // Needs a current GL context; leaves the model-view matrix selected.
  void SetViewport(float width, float height);
  // Points the camera at a target with world +Z as up.
  void LookAt(float x, float y, float z);
  // The normalised world direction through a window pixel, with y counted down from
  // the top edge as mouse positions are.
  std::array<float, 3> ScreenRay(float x, float y) const;
  // The direction, not normalised, through a window pixel with y counted up from
  // the bottom edge. Its component along the view axis is exactly one.
  std::array<float, 3> PixelDirection(float x, float yUp) const;
  // The window pixel a world point is seen at, y counted up from the bottom
  // edge: PixelDirection's inverse. A point behind the camera gives the centre.
  std::array<float, 2> PixelOf(const std::array<float, 3>& world) const;

  float nearPlane;
  float farPlane;
  float fov;  // vertical, in degrees
  float viewportWidth;
  float viewportHeight;
  float viewportX = 0.0f;
  float viewportY = 0.0f;
  float viewMatrix[16];
  // What GL made of the view matrix, read back after loading it.
  float modelView[16];
};
