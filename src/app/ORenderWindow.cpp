#include "app/ORenderWindow.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <span>

#include "app/OScreenHost.h"
#include "gfx/OCamera.h"
#include "gfx/OLight.h"
#include "gfx/PictureKey.h"
#include "ui/KeyCodes.h"
#include "ui/OAction.h"

namespace {

// Keys and game controllers' buttons: what goes to the focus, never by the pointer.
bool IsKeyEvent(const OEvent& event) {
  return event.type == OEvent::kCharacter || IsPress(event) || IsRelease(event);
}

bool IsMouseEvent(const OEvent& event) {
  return event.type >= OEvent::kMouseMove && event.type <= OEvent::kButtonUp;
}

// A control with activation 1 (a text field, a slider) wakes only when it is
// pressed; the others whenever the pointer is over them.
bool Activates(const OControl& control, const OEvent& event) {
  return control.activation == 0 || (control.activation == 1 && event.type == OEvent::kButtonDown);
}

// What the background leaves for the controls, drawn or shown from a copy.
void ReadyForControls() {
  glEnable(GL_LIGHTING);
  glEnable(GL_DEPTH_TEST);
}

}  // namespace

ORenderWindow::ORenderWindow(std::uint32_t identifier) : identifier_(identifier) {}

ORenderWindow::~ORenderWindow() {
  // A vector leaves the order of destruction open; controls go in the order they came.
  for (auto& control : controls_) {
    control.reset();
  }
}

void ORenderWindow::OnShow() { focusIndex_ = -1; }

void ORenderWindow::OnHide() {
  // A screen away holds no copy of its picture; it makes a new one when it is back.
  keptPicture_.Drop();
  SetKeyFocus(nullptr);
  if (focused_ != nullptr) {
    focused_->Unhighlight();
    focused_ = nullptr;
  }
  if (hovered_ != nullptr) {
    hovered_->Unhighlight();
    hovered_ = nullptr;
  }
}

void ORenderWindow::Draw() {
  if (camera_ != nullptr) {
    camera_->SetViewport(pixelWidth_, pixelHeight_);
  }
  const std::vector<std::uint64_t> keys = LayerKeys();
  const std::size_t shown = keptPicture_.Show(keys, pixelWidth_, pixelHeight_);
  if (shown > 0 && !background_.Empty()) {
    ReadyForControls();
  }
  const std::size_t copyAfter = keptPicture_.CopyAfter(keys, shown);
  for (std::size_t layer = shown; layer <= controls_.size(); ++layer) {
    DrawLayer(layer);
    if (layer + 1 == copyAfter) {
      keptPicture_.Copy(keys, copyAfter, pixelWidth_, pixelHeight_);
    }
  }
  if (keyFocus_ != nullptr) {
    keyFocus_->DrawFocus();
  }
}

std::vector<std::uint64_t> ORenderWindow::LayerKeys() const {
  PictureKey key;
  key.Add(pixelWidth_);
  key.Add(pixelHeight_);
  background_.AddToPictureKey(key);
  for (const O3D* placed : {static_cast<const O3D*>(camera_), static_cast<const O3D*>(light_)}) {
    if (placed != nullptr) {
      key.Add(std::span<const float>(placed->transform));
    }
  }
  if (camera_ != nullptr) {
    key.Add(camera_->fov);
    key.Add(camera_->nearPlane);
    key.Add(camera_->farPlane);
  }
  std::vector<std::uint64_t> keys{key.Value()};
  for (const auto& control : controls_) {
    key.Add(control.get());
    key.Add(control->enabled);
    if (control->enabled && !control->AddToPictureKey(key)) {
      break;
    }
    keys.push_back(key.Value());
  }
  return keys;
}

void ORenderWindow::DrawLayer(std::size_t layer) {
  if (layer > 0) {
    if (controls_[layer - 1]->enabled) {
      controls_[layer - 1]->Draw();
    }
    return;
  }
  // Without a picture of its own the quad would show whatever texture was
  // bound last, stretched over the whole screen.
  if (!background_.Empty()) {
    DrawBackground();
  }
}

void ORenderWindow::DrawBackground() const {
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  background_.Bind();
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, kLayoutSize, 0, kLayoutSize, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2f(0, 0);
  glTexCoord2f(1, 0);
  glVertex2f(kLayoutSize, 0);
  glTexCoord2f(1, 1);
  glVertex2f(kLayoutSize, kLayoutSize);
  glTexCoord2f(0, 1);
  glVertex2f(0, kLayoutSize);
  glEnd();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  ReadyForControls();
}

void ORenderWindow::Update(std::uint32_t /*deltaMs*/) {}

bool ORenderWindow::CreateControls() { return true; }

bool ORenderWindow::OnCommand(std::uint32_t /*command*/, std::uint32_t /*param*/) { return false; }

OFont* ORenderWindow::Font() const { return application_ != nullptr ? application_->Font() : nullptr; }

bool ORenderWindow::HandleEvent(const OEvent& event) {
  if (focusCount_ == 0) {
    // The pointer moving takes over from the keys: what it is over lights up.
    // A move by nothing (the desktop's way of saying where the pointer is) does not.
    if (event.type == OEvent::kMouseMove && (event.dx != 0 || event.dy != 0)) {
      SetKeyFocus(nullptr);
    }
    if (IsPress(event) && HandleKeyFocus(event)) {
      return true;
    }
    // Keys go where the pointer is only while the keys have chosen nothing:
    // on their way they would put out the focused control's light.
    if (keyFocus_ != nullptr && IsKeyEvent(event)) {
      return false;
    }
    return RouteByHitTest(event);
  }
  if (IsKeyEvent(event)) {
    return RouteKeyToFocus(event);
  }
  if (IsMouseEvent(event)) {
    return RouteMouseWithFocus(event);
  }
  return false;
}

bool ORenderWindow::RouteByHitTest(const OEvent& event) {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    OControl& control = **it;
    if (!control.enabled) {
      continue;
    }
    if (!control.HitTest(event)) {
      if (control.highlighted && control.activation == 0) {
        control.Unhighlight();
      }
      continue;
    }
    if (Activates(control, event) && !control.highlighted) {
      if (hovered_ != nullptr) {
        hovered_->Unhighlight();
      }
      hovered_ = &control;
      control.Highlight();
    }
    if (control.HandleEvent(event)) {
      return true;
    }
  }
  // A pressed slider keeps the mouse when the pointer slips off it.
  if (hovered_ != nullptr && hovered_->activation == 1) {
    return hovered_->HandleEvent(event);
  }
  return false;
}

bool ORenderWindow::HandleKeyFocus(const OEvent& event) {
  // Where no control takes the focus, the keys go by hit test as before.
  const std::vector<OControl*> order = MovesKeyFocus() ? KeyFocusOrder() : std::vector<OControl*>{};
  if (order.empty()) {
    return false;
  }
  const OAction action = ActionOf(event);
  switch (action) {
    case OAction::kNext:
    case OAction::kPrevious:
      MoveKeyFocus(order, action == OAction::kNext ? 1 : -1);
      return true;
    case OAction::kUp:
    case OAction::kDown:
      MoveKeyFocusToRow(order, action == OAction::kDown ? 1 : -1);
      return true;
    case OAction::kLeft:
    case OAction::kRight:
      if (OControl* chosen = keyFocus_ != nullptr ? keyFocus_->HandleFocusAction(action) : nullptr) {
        SetKeyFocus(chosen);
      } else {
        MoveKeyFocus(order, action == OAction::kRight ? 1 : -1);
      }
      return true;
    case OAction::kAct:
      // Without a focus, Enter goes to what the pointer is over, as it always did.
      // A click may show another screen, which drops this one's focus.
      return keyFocus_ != nullptr && keyFocus_->HandleFocusAction(action) != nullptr;
    default:
      return false;
  }
}

namespace {

// Controls closer in height than this, in layout units, stand in one row:
// about half the spacing of the closest rows (the options').
constexpr float kRowHeight = 6.0f;

bool InOneRow(const OControl& a, const OControl& b) {
  return std::fabs(a.FocusPlace()[1] - b.FocusPlace()[1]) <= kRowHeight;
}

}  // namespace

std::vector<OControl*> ORenderWindow::KeyFocusOrder() const {
  std::vector<OControl*> order;
  for (const auto& control : controls_) {
    if (control->enabled && control->TakesKeyFocus()) {
      order.push_back(control.get());
    }
  }
  std::stable_sort(order.begin(), order.end(), [](const OControl* a, const OControl* b) {
    if (!InOneRow(*a, *b)) {
      return a->FocusPlace()[1] > b->FocusPlace()[1];
    }
    return a->FocusPlace()[0] < b->FocusPlace()[0];
  });
  return order;
}

void ORenderWindow::MoveKeyFocus(const std::vector<OControl*>& order, int step) {
  const auto at = std::find(order.begin(), order.end(), keyFocus_);
  // The first press chooses the first control, whichever way it goes.
  if (at == order.end()) {
    SetKeyFocus(order.front());
    return;
  }
  const auto count = static_cast<std::ptrdiff_t>(order.size());
  SetKeyFocus(order[static_cast<std::size_t>(((at - order.begin()) + step % count + count) % count)]);
}

void ORenderWindow::MoveKeyFocusToRow(const std::vector<OControl*>& order, int step) {
  auto at = std::find(order.begin(), order.end(), keyFocus_);
  if (at == order.end()) {
    SetKeyFocus(order.front());
    return;
  }
  const OControl& from = **at;
  // Along the order to the first control of another row, and on to that row's start.
  const auto count = static_cast<std::ptrdiff_t>(order.size());
  std::ptrdiff_t index = at - order.begin();
  for (std::ptrdiff_t walked = 0; walked < count && InOneRow(*order[static_cast<std::size_t>(index)], from);
       ++walked) {
    index = (index + step + count) % count;
  }
  const OControl& row = *order[static_cast<std::size_t>(index)];
  while (index > 0 && InOneRow(*order[static_cast<std::size_t>(index - 1)], row)) {
    --index;
  }
  SetKeyFocus(order[static_cast<std::size_t>(index)]);
}

void ORenderWindow::SetKeyFocus(OControl* control) {
  if (control == keyFocus_) {
    return;
  }
  if (keyFocus_ != nullptr) {
    keyFocus_->Unhighlight();
  }
  if (hovered_ != nullptr && hovered_ != control) {
    hovered_->Unhighlight();
  }
  // Only the focused control may look it: buttons that have not yet seen the
  // pointer show both their faces.
  if (control != nullptr) {
    for (OControl* other : KeyFocusOrder()) {
      if (other != control) {
        other->Unhighlight();
      }
    }
  }
  keyFocus_ = control;
  // As if the pointer had moved onto it, so that the pointer's next move puts out the light.
  hovered_ = control;
  if (control != nullptr) {
    control->Highlight();
  }
}

bool ORenderWindow::RouteKeyToFocus(const OEvent& event) {
  const bool tab = (event.type == OEvent::kKeyDown || event.type == OEvent::kKeyUp) && event.key == keycode::kTab;
  if (tab && event.type == OEvent::kKeyDown) {
    focusIndex_ = static_cast<std::int16_t>((focusIndex_ + 1) % focusCount_);
  }
  OControl* control = FindByTabIndex(focusIndex_);
  if (control == nullptr) {
    return false;
  }
  if (!control->highlighted) {
    hovered_ = nullptr;
    if (focused_ != nullptr) {
      focused_->Unhighlight();
    }
    focused_ = control;
    control->Highlight();
  }
  // Tab moves the focus and is never seen by the controls.
  if (tab) {
    return true;
  }
  return control->HandleEvent(event);
}

bool ORenderWindow::RouteMouseWithFocus(const OEvent& event) {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    OControl& control = **it;
    if (!control.enabled) {
      continue;
    }
    if (control.HitTest(event)) {
      if (!Activates(control, event)) {
        continue;
      }
      if (control.focusable) {
        GiveFocus(control);
      }
      control.Highlight();
      hovered_ = &control;
      if (control.HandleEvent(event)) {
        return true;
      }
    } else if (&control == hovered_ && control.activation == 0) {
      control.Unhighlight();
      if (control.focusable) {
        focusIndex_ = -1;
      }
    }
  }
  return false;
}

OControl* ORenderWindow::FindByTabIndex(std::int16_t index) const {
  const auto found = std::find_if(controls_.begin(), controls_.end(), [index](const auto& control) {
    return control->enabled && control->focusable && control->tabIndex == index;
  });
  return found == controls_.end() ? nullptr : found->get();
}

void ORenderWindow::GiveFocus(OControl& control) {
  if (focused_ != nullptr) {
    focused_->Unhighlight();
  }
  focused_ = &control;
  focusIndex_ = static_cast<std::int16_t>(control.tabIndex);
}

void ORenderWindow::SetFocus(OControl& control) {
  if (!control.focusable || control.owner != this) {
    return;
  }
  GiveFocus(control);
  hovered_ = nullptr;
  control.Highlight();
}

bool ORenderWindow::SetBackground(const std::string& name) {
  background_.Clear();
  background_.Set(name);
  return !background_.Empty();
}

void ORenderWindow::AddControl(std::unique_ptr<OControl> control) {
  const bool known = std::any_of(controls_.begin(), controls_.end(),
                                 [&control](const auto& held) { return held == control; });
  if (known) {
    // Already ours: this second owner must not delete it.
    static_cast<void>(control.release());
    return;
  }
  OControl& added = *controls_.emplace_back(std::move(control));
  added.owner = this;
  added.Init();
  if (added.focusable) {
    added.tabIndex = focusCount_++;
  }
}

std::unique_ptr<OControl> ORenderWindow::RemoveControl(const OControl* control) {
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [control](const auto& held) { return held.get() == control; });
  if (found == controls_.end()) {
    return nullptr;
  }
  // The caller usually deletes the control, so no pointer to it may stay,
  // whichever way it got the pointer or the focus.
  if (focused_ == control) {
    focused_ = nullptr;
  }
  if (hovered_ == control) {
    hovered_ = nullptr;
  }
  if (keyFocus_ == control) {
    keyFocus_ = nullptr;
  }
  if (control->focusable) {
    focusCount_ = control->tabIndex;
    for (auto later = found + 1; later != controls_.end(); ++later) {
      if ((*later)->focusable) {
        (*later)->tabIndex = focusCount_++;
      }
    }
  }
  std::unique_ptr<OControl> removed = std::move(*found);
  controls_.erase(found);
  return removed;
}

void ORenderWindow::Attach(OScreenHost* application, OCamera* camera, OLight* light) {
  application_ = application;
  camera_ = camera;
  light_ = light;
}

void ORenderWindow::SetPixelSize(std::uint16_t width, std::uint16_t height) {
  pixelWidth_ = width;
  pixelHeight_ = height;
}
