// The base of every screen of the game: the three small window buttons
// (minimise, full screen, quit) in the top right corner, shown only while the
// game runs in a window, and dragging the window by its background.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "app/ORenderWindow.h"

class OButton;

class GameRenderWindow : public ORenderWindow {
 public:
  // The window buttons' commands are -10, -20 and -30; control ids are
  // unsigned, so they arrive as these values.
  static constexpr std::uint32_t kMinimiseCommand = static_cast<std::uint32_t>(-10);
  static constexpr std::uint32_t kFullScreenCommand = static_cast<std::uint32_t>(-20);
  static constexpr std::uint32_t kQuitCommand = static_cast<std::uint32_t>(-30);

  explicit GameRenderWindow(std::uint32_t identifier);

  // The window buttons are hidden in full screen, where there is no window to
  // minimise or drag.
  void OnShow() override;
  // Screens add their own controls first, then call this for the window buttons.
  bool CreateControls() override;
  // Drags the window by its background; Escape (or a controller's B) that no
  // control takes goes to OnEscape, a controller's Start to OnMenuButton.
  bool HandleEvent(const OEvent& event) override;
  // The window buttons' commands; any other command is left to the screen.
  bool OnCommand(std::uint32_t command, std::uint32_t param) override;

 protected:
  // Disabled window buttons are drawn but take no clicks.
  void DisableWindowButtons(bool disabled);
  // Escape pressed on this screen; returns whether the screen used it.
  virtual bool OnEscape() { return false; }
  // A controller's Start pressed on this screen; returns whether the screen used it.
  virtual bool OnMenuButton() { return false; }
  // Quitting clicks like every other button, unless a screen asks for quiet.
  virtual bool ClicksOnQuit() const { return true; }

 private:
  struct Point {
    std::uint16_t x;
    std::uint16_t y;
  };

  OButton* AddWindowButton(std::uint32_t command, const char* model, float x);
  bool InWindow() const;
  void SwitchToFullScreen();
  // A left press on no control grabs the window at the pointer.
  void GrabIfOnBackground(const OEvent& event);
  bool DragWindow(const OEvent& event);

  std::array<OButton*, 3> windowButtons_{};  // owned by the screen's controls
  std::optional<Point> grab_;
};
