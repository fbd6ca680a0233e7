#include "screens/GameRenderWindow.h"

#include <array>
#include <memory>
#include <utility>

#include "app/OScreenHost.h"
#include "app/OScreenList.h"
#include "audio/GameSounds.h"
#include "gfx/OCamera.h"
#include "platform/Events.h"
#include "ui/OAction.h"
#include "ui/OBlendButton.h"

namespace {

struct WindowButton {
  std::uint32_t command;
  const char* model;
  float x;
};

constexpr std::array<WindowButton, 3> kWindowButtons{{
    {GameRenderWindow::kMinimiseCommand, "min.asvm", 442.0f},
    {GameRenderWindow::kFullScreenCommand, "max.asvm", 459.0f},
    {GameRenderWindow::kQuitCommand, "quit.asvm", 476.0f},
}};
constexpr float kWindowButtonY = 485.0f;
constexpr float kWindowButtonScale = 0.5f;

bool IsLeftButton(const OEvent& event, std::uint32_t type) {
  return event.type == type && event.button == OEvent::kLeft;
}

bool LeftButtonHeld(const OEvent& event) { return (event.flags & platform::kMouseLeft) != 0; }

}  // namespace

GameRenderWindow::GameRenderWindow(std::uint32_t identifier) : ORenderWindow(identifier) {}

bool GameRenderWindow::CreateControls() {
  for (std::size_t i = 0; i < kWindowButtons.size(); ++i) {
    windowButtons_[i] =
        AddWindowButton(kWindowButtons[i].command, kWindowButtons[i].model, kWindowButtons[i].x);
  }
  return true;
}

OButton* GameRenderWindow::AddWindowButton(std::uint32_t command, const char* model, float x) {
  auto button = std::make_unique<OBlendButton>(command, false);
  button->keyFocusStops = false;
  button->Load(model);
  if (Camera() != nullptr) {
    button->PlaceAtDesignPoint(x, kWindowButtonY, 0.0f, *Camera(), kLayoutSize, kLayoutSize);
  }
  button->SetScale(kWindowButtonScale, kWindowButtonScale, kWindowButtonScale);
  OButton* added = button.get();
  AddControl(std::move(button));
  return added;
}

void GameRenderWindow::DisableWindowButtons(bool disabled) {
  for (OButton* button : windowButtons_) {
    if (button != nullptr) {
      button->disabled = disabled;
    }
  }
}

void GameRenderWindow::OnShow() {
  ORenderWindow::OnShow();
  grab_.reset();
  for (OButton* button : windowButtons_) {
    if (button != nullptr) {
      button->enabled = InWindow();
    }
  }
}

bool GameRenderWindow::InWindow() const {
  return Application() != nullptr && Application()->FullScreen() == 0;
}

bool GameRenderWindow::HandleEvent(const OEvent& event) {
  if (DragWindow(event)) {
    return true;
  }
  const bool handled = ORenderWindow::HandleEvent(event);
  if (IsLeftButton(event, OEvent::kButtonDown)) {
    GrabIfOnBackground(event);
  } else if (IsLeftButton(event, OEvent::kButtonUp)) {
    grab_.reset();
  }
  if (handled || !IsPress(event)) {
    return handled;
  }
  switch (ActionOf(event)) {
    case OAction::kBack:
      return OnEscape();
    case OAction::kMenu:
      return OnMenuButton();
    default:
      return false;
  }
}

void GameRenderWindow::GrabIfOnBackground(const OEvent& event) {
  // A press on a control is the control's: a button must see the pointer
  // leave it, a slider's thumb must follow it.
  OControl* pressed = Hovered();
  const bool onControl = pressed != nullptr && pressed->enabled && pressed->HitTest(event);
  if (InWindow() && !onControl) {
    grab_ = Point{event.x, event.y};
  }
}

bool GameRenderWindow::DragWindow(const OEvent& event) {
  if (!grab_ || event.type != OEvent::kMouseMove) {
    return false;
  }
  // The release may have happened where the window did not see it.
  if (!LeftButtonHeld(event) || !InWindow()) {
    grab_.reset();
    return false;
  }
  // The window follows until the grabbed point is under the pointer again. A
  // step measured from the last event would not do: moving the window moves
  // the pointer within it, and the window would lag or shake.
  Application()->MoveBy(static_cast<std::int16_t>(event.x - grab_->x),
                        static_cast<std::int16_t>(event.y - grab_->y));
  return true;
}

bool GameRenderWindow::OnCommand(std::uint32_t command, std::uint32_t /*param*/) {
  if (Application() == nullptr) {
    return false;
  }
  switch (command) {
    case kMinimiseCommand:
      Application()->ShowMinimised(0);
      return true;
    case kFullScreenCommand:
      SwitchToFullScreen();
      return true;
    case kQuitCommand:
      if (ClicksOnQuit()) {
        Application()->PlaySound(GameSounds::kClick);
      }
      Application()->PostQuit();
      return true;
    default:
      return false;
  }
}

void GameRenderWindow::SwitchToFullScreen() { Application()->ChooseFullScreen(true); }
