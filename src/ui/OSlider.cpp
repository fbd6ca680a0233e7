#include "ui/OSlider.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "gfx/OCamera.h"
#include "ui/OAction.h"

namespace {

using Vec3 = std::array<float, 3>;

float Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vec3 Sub(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

// Half away from zero, as the player expects a thumb halfway between two steps to go up.
float RoundHalfAway(float quotient) { return std::trunc(quotient + (quotient < 0.0f ? -0.5f : 0.5f)); }

}  // namespace

OSlider::OSlider(std::uint32_t controlId, float minimum, float maximum, float step)
    : OControl3D(controlId, false),
      thumb_(std::make_unique<OControl3D>(0, false)),
      minimum_(minimum),
      maximum_(maximum),
      value_(minimum),
      step_(step) {}

bool OSlider::Init() {
  // Both boxes at the size drawn: the thumb travels the rail as the player sees it.
  OControl3D::Init();
  thumb_->Init();
  thumb_->SetParent(this);
  thumb_->owner = owner;
  railHalfWidth_ = halfExtents[0];
  thumbHalfWidth_ = thumb_->halfExtents[0];
  // An empty range has no length on the rail; the value then stays at the minimum.
  unitsPerValue_ =
      maximum_ > minimum_ ? 2.0f * (railHalfWidth_ - thumbHalfWidth_) / (maximum_ - minimum_) : 0.0f;
  PlaceThumb();
  return true;
}

void OSlider::Draw() {
  glEnable(GL_DEPTH_TEST);
  OModel::Draw();
  glPushMatrix();
  glMultMatrixf(transform);
  thumb_->Draw();
  glPopMatrix();
}

bool OSlider::HitTest(const OEvent& event) {
  if (thumb_->HitTest(event)) {
    hit_ = Part::kThumb;
  } else {
    hit_ = OControl3D::HitTest(event) ? Part::kRail : Part::kNone;
  }
  return hit_ != Part::kNone;
}

bool OSlider::HandleEvent(const OEvent& event) {
  switch (event.type) {
    case OEvent::kMouseMove:
      return dragging_ ? Drag(event) : true;
    case OEvent::kButtonDown:
      return event.button == OEvent::kLeft ? Press(event) : true;
    case OEvent::kButtonUp:
      if (event.button == OEvent::kLeft && dragging_) {
        Release();
      }
      return true;
    default:
      return false;
  }
}

bool OSlider::Press(const OEvent& event) {
  if (hit_ == Part::kNone) {
    return true;
  }
  bool answer = true;
  if (hit_ == Part::kRail) {
    MoveBy(Sub(PointAtThumbDepth(event.x, event.y), thumb_->GetWorldPosition()));
    PlaceThumb();
    answer = NotifySnapped();
  }
  dragging_ = true;
  EnlargeThumb();
  return answer;
}

bool OSlider::Drag(const OEvent& event) {
  const float fromX = static_cast<float>(event.x - event.SignedDx());
  const float fromY = static_cast<float>(event.y - event.SignedDy());
  const bool inRange = MoveBy(Sub(PointAtThumbDepth(event.x, event.y), PointAtThumbDepth(fromX, fromY)));
  // Past the rail's end the thumb stops, and so may the drag once the pointer leaves it.
  if (inRange) {
    EnlargeThumb();
  } else {
    ShrinkThumb();
  }
  PlaceThumb();
  return NotifySnapped();
}

void OSlider::Release() {
  ShrinkThumb();
  // The screen was told of the snapped value; the thumb comes to rest where it said.
  value_ = Snapped(value_);
  PlaceThumb();
  dragging_ = false;
}

void OSlider::Unhighlight() {
  if (dragging_) {
    ShrinkThumb();
    dragging_ = false;
    value_ = Snapped(value_);
    PlaceThumb();
    Notify(kClicked);
  }
  OControl3D::Unhighlight();
}

OControl* OSlider::HandleFocusAction(OAction action) {
  if (action != OAction::kLeft && action != OAction::kRight) {
    return nullptr;
  }
  const float step = step_ > 0.0f ? step_ : (maximum_ - minimum_) / 10.0f;
  SetValue(Snapped(value_) + (action == OAction::kRight ? step : -step));
  Notify(kClicked);
  return this;
}

void OSlider::SetValue(float value) {
  value_ = Snapped(std::clamp(value, minimum_, std::max(minimum_, maximum_)));
  PlaceThumb();
}

bool OSlider::NotifySnapped() {
  const float exact = value_;
  value_ = Snapped(exact);
  const bool answer = Notify(kClicked);
  value_ = exact;
  return answer;
}

float OSlider::Snapped(float value) const {
  if (step_ <= 0.0f) {
    return value;
  }
  return minimum_ + step_ * RoundHalfAway((value - minimum_) / step_);
}

bool OSlider::MoveBy(const std::array<float, 3>& displacement) {
  if (unitsPerValue_ <= 0.0f) {
    return false;
  }
  const std::array<float, 16> rail = GetWorldMatrix();
  const Vec3 railX{rail[0], rail[1], rail[2]};
  const float railScale = Dot(railX, railX);
  if (railScale <= 0.0f) {
    return false;
  }
  // The rail's length along its own axis, in the units its half-width was measured in.
  const float alongRail = Dot(displacement, railX) / railScale;
  const float moved = value_ + alongRail / unitsPerValue_;
  value_ = std::clamp(moved, minimum_, maximum_);
  return value_ == moved;
}

std::array<float, 3> OSlider::PointAtThumbDepth(float x, float y) const {
  const OCamera* camera = owner != nullptr ? owner->Camera() : nullptr;
  if (camera == nullptr) {
    return thumb_->GetWorldPosition();
  }
  const Vec3 eye{camera->transform[12], camera->transform[13], camera->transform[14]};
  const Vec3 forward{-camera->transform[8], -camera->transform[9], -camera->transform[10]};
  const float depth = Dot(Sub(thumb_->GetWorldPosition(), eye), forward);
  // The direction's part along the view is one, so it reaches the thumb's depth when scaled by it.
  const Vec3 direction = camera->PixelDirection(x, camera->viewportHeight - y);
  return {eye[0] + direction[0] * depth, eye[1] + direction[1] * depth, eye[2] + direction[2] * depth};
}

void OSlider::PlaceThumb() {
  thumb_->transform[12] = (value_ - minimum_) * unitsPerValue_ - (railHalfWidth_ - thumbHalfWidth_);
  thumb_->transform[13] = 0.0f;
  thumb_->transform[14] = 0.0f;
}

void OSlider::EnlargeThumb() {
  if (thumbEnlarged_) {
    return;
  }
  for (float& half : thumb_->halfExtents) {
    half *= kDragEnlargement;
  }
  thumbEnlarged_ = true;
}

void OSlider::ShrinkThumb() {
  if (!thumbEnlarged_) {
    return;
  }
  for (float& half : thumb_->halfExtents) {
    half /= kDragEnlargement;
  }
  thumbEnlarged_ = false;
}
