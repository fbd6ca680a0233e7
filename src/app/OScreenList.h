// The application's screens: the registered ones, found by identifier, and
// the one that is shown. Only the shown screen is updated, drawn and given input.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "app/ORenderWindow.h"

class OCamera;
class OLight;
class OScreenHost;

class OScreenList {
 public:
  explicit OScreenList(OScreenHost& application);
  ~OScreenList();
  OScreenList(const OScreenList&) = delete;
  OScreenList& operator=(const OScreenList&) = delete;

  // What every screen registered from now on is given; camera and light are
  // not owned and outlive the screens.
  void SetScene(OCamera* camera, OLight* light);
  // The window's client size, for every screen now and later.
  void Resize(std::uint16_t width, std::uint16_t height);
  // Before the context goes, with the copies of the screens' pictures in it.
  void DropKeptPictures();

  // Takes the screen and builds its controls; returns what CreateControls
  // said. A screen registered already is left as it is and gives false.
  bool AddWindow(std::unique_ptr<ORenderWindow> screen);
  // Hands the screen back, or null when it is not registered. A removed
  // screen is no longer the shown one, so deleting it leaves nothing behind.
  std::unique_ptr<ORenderWindow> RemoveWindow(const ORenderWindow* screen);
  // The first registered screen with that identifier, or null.
  ORenderWindow* FindWindow(std::uint32_t identifier) const;
  // Hides the shown screen and shows the one with that identifier, even when
  // it is the same one, which is how a screen refreshes itself. An unknown
  // identifier changes nothing and gives false.
  bool SetActiveWindow(std::uint32_t identifier);
  // Null until the first switch.
  ORenderWindow* ActiveWindow() const { return active_; }
  // Deletes every screen in the order they were registered, as the program ends.
  void DeleteAll();

 private:
  OScreenHost& application_;
  OCamera* camera_ = nullptr;  // not owned
  OLight* light_ = nullptr;    // not owned
  std::uint16_t clientWidth_ = ORenderWindow::kInitialPixelSize;
  std::uint16_t clientHeight_ = ORenderWindow::kInitialPixelSize;
  std::vector<std::unique_ptr<ORenderWindow>> screens_;
  ORenderWindow* active_ = nullptr;  // one of screens_
};
