// The base of every screen: its background, its controls and the routing of
// input to them, with keyboard focus and the control under the pointer.
// Screens lay out and draw their 2D parts in a 512 x 512 space, origin bottom
// left, whatever the window's size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/KeptPicture.h"
#include "gfx/OTexture.h"
#include "ui/OCommandHandler.h"
#include "ui/OControl.h"
#include "ui/OEvent.h"

class OCamera;
class OLight;
class OScreenHost;

class ORenderWindow : public OCommandHandler {
 public:
  static constexpr std::uint16_t kLayoutSize = 512;
  // Until the screen list hands over the window's real size.
  static constexpr std::uint16_t kInitialPixelSize = 20;

  explicit ORenderWindow(std::uint32_t identifier);
  ~ORenderWindow() override;
  ORenderWindow(const ORenderWindow&) = delete;
  ORenderWindow& operator=(const ORenderWindow&) = delete;

  virtual void OnShow();
  virtual void OnHide();
  // The window lost the keyboard's focus, or was minimised, while this screen showed.
  virtual void OnWindowInactive() {}
  // The background, the controls and the key focus. A copy of the picture
  // stands in for the background and the controls before the first one that
  // changed since the frame before.
  virtual void Draw();
  virtual void Update(std::uint32_t deltaMs);
  // Runs once, when the screen is registered; the screen has its size,
  // camera and application by then.
  virtual bool CreateControls();
  virtual bool HandleEvent(const OEvent& event);
  bool OnCommand(std::uint32_t command, std::uint32_t param) override;

  // A texture from "Data/Textures/", shared with every screen that shows the
  // same picture and remade with the other textures when the context is new.
  // A missing file throws OFileNotFound.
  bool SetBackground(const std::string& name);
  // The screen owns its controls. A focusable control gets the next place in
  // the Tab order. Adding a registered control again changes nothing.
  void AddControl(std::unique_ptr<OControl> control);
  // Hands the control back, or null when it is not on this screen. Focusable
  // controls after it move up one place in the Tab order.
  std::unique_ptr<OControl> RemoveControl(const OControl* control);
  // Gives the keyboard focus to one of the screen's focusable controls, as a press on it would.
  void SetFocus(OControl& control);

  // Called by the screen list on registration.
  void Attach(OScreenHost* application, OCamera* camera, OLight* light);
  void SetPixelSize(std::uint16_t width, std::uint16_t height);
  // Before the context goes: the copy of the screen's picture lives in it.
  void DropKeptPicture() { keptPicture_.Drop(); }

  std::uint32_t Identifier() const { return identifier_; }
  std::uint16_t PixelWidth() const { return pixelWidth_; }
  std::uint16_t PixelHeight() const { return pixelHeight_; }
  std::uint16_t FocusCount() const { return focusCount_; }
  // The Tab place of the control with the keyboard focus, -1 for none.
  std::int16_t FocusIndex() const { return focusIndex_; }
  OControl* Focused() const { return focused_; }
  OControl* Hovered() const { return hovered_; }
  // The control the arrow keys and Tab chose, null for none.
  OControl* KeyFocus() const { return keyFocus_; }
  OScreenHost* Application() const { return application_; }
  OCamera* Camera() const override { return camera_; }
  // The application's font; null before the screen is registered or when the font could not be made.
  OFont* Font() const override;
  OLight* Light() const { return light_; }
  // The screen's picture over the whole window; every frame of the screen starts with it.
  void DrawBackground() const;

 protected:
  // Whether the arrow keys and Tab go round the screen's controls; a screen
  // that plays with those keys itself says no.
  virtual bool MovesKeyFocus() const { return true; }

 private:
  // Layer 0 is the background, layer k the k-th control.
  void DrawLayer(std::size_t layer);
  // The keys of the pictures after each layer, up to the first control that
  // cannot say what it draws.
  std::vector<std::uint64_t> LayerKeys() const;
  // Without focusable controls every event, keys included, goes to the
  // controls that pass their hit test.
  bool RouteByHitTest(const OEvent& event);
  // The arrows and Tab (or a controller's directions) move the focus, which
  // shows as the pointer's hover does; Enter and Space (A) act on the focused
  // control, Left and Right first ask it (a slider, a radio button). False
  // for other keys and buttons.
  bool HandleKeyFocus(const OEvent& event);
  // The controls the focus stops at: top to bottom, then left to right.
  std::vector<OControl*> KeyFocusOrder() const;
  // `step` places along `order`, round from the end to the start; the first
  // press chooses the first control.
  void MoveKeyFocus(const std::vector<OControl*>& order, int step);
  // To the first control of the next row (+1) or the one before, round from
  // the end to the start.
  void MoveKeyFocusToRow(const std::vector<OControl*>& order, int step);
  void SetKeyFocus(OControl* control);
  bool RouteKeyToFocus(const OEvent& event);
  bool RouteMouseWithFocus(const OEvent& event);
  OControl* FindByTabIndex(std::int16_t index) const;
  void GiveFocus(OControl& control);

  std::uint32_t identifier_;
  OTexture background_;
  std::uint16_t pixelWidth_ = kInitialPixelSize;
  std::uint16_t pixelHeight_ = kInitialPixelSize;
  std::uint16_t focusCount_ = 0;
  std::int16_t focusIndex_ = -1;
  OControl* focused_ = nullptr;   // not owned
  OControl* hovered_ = nullptr;   // not owned
  OControl* keyFocus_ = nullptr;  // not owned
  // Later controls lie on top: input goes to them first, and they are drawn last.
  std::vector<std::unique_ptr<OControl>> controls_;
  OScreenHost* application_ = nullptr;  // not owned
  OCamera* camera_ = nullptr;           // not owned
  OLight* light_ = nullptr;             // not owned
  KeptPicture keptPicture_;
};
