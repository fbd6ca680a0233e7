#include "game/RayCellPicker.h"

#include "game/Block.h"
#include "game/Ring.h"
#include "gfx/OCamera.h"
#include "ui/OEvent.h"

namespace {

using Vec3 = std::array<float, 3>;

Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

float Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vec3 PointerRay(const OCamera& camera, const OEvent& event) {
  return camera.ScreenRay(static_cast<float>(event.x), static_cast<float>(event.y));
}

}  // namespace

bool RayCellPicker::Hits(const Block& block, const OEvent& event) const {
  if (camera_ == nullptr) {
    return false;
  }
  const Vec3 eye{camera_->transform[12], camera_->transform[13], camera_->transform[14]};
  const Vec3 ray = PointerRay(*camera_, event);
  return block.IntersectsLine(eye, {eye[0] + ray[0], eye[1] + ray[1], eye[2] + ray[2]});
}

std::int16_t RayCellPicker::Pick(const Ring& ring, const OEvent& event) {
  const int cells = static_cast<int>(ring.CellCount());
  std::int16_t hovered = -1;
  // Column 0 faces the camera; each half of the ring is walked from the front
  // toward the back, and a ray never crosses from one half's front to the
  // other half's back, so the first block hit is the nearest one.
  for (int step = 0; step < cells; ++step) {
    const int column = step < cells / 2 ? step : cells - 1 - (step - cells / 2);
    const std::uint16_t cell = ring.IndexOfColumn(column);
    const Block& block = ring.BlockAt(cell);
    if (Hits(block, event)) {
      hovered = static_cast<std::int16_t>(cell);
      if (block.colour != kEmpty) {
        return hovered;
      }
    }
  }
  return hovered;
}

std::int16_t RayCellPicker::FirstCellHit(const Ring& ring, const OEvent& event) {
  for (std::uint16_t cell = 0; cell < ring.CellCount(); ++cell) {
    if (Hits(ring.BlockAt(cell), event)) {
      return static_cast<std::int16_t>(cell);
    }
  }
  return -1;
}

int RayCellPicker::Direction(const Ring& ring, const OEvent& event) {
  if (camera_ == nullptr) {
    return ring.Direction();
  }
  const std::array<float, 16> world = ring.GetWorldMatrix();
  const Vec3 axis{world[8], world[9], world[10]};
  const Vec3 toRing{world[12] - camera_->transform[12], world[13] - camera_->transform[13],
                    world[14] - camera_->transform[14]};
  return Dot(axis, Cross(toRing, PointerRay(*camera_, event))) <= 0.0f ? 1 : -1;
}
