// The game's one window and its OpenGL context: the three picture sizes the
// game offers, shown in a window of that size or full screen on the desktop
// (the picture scaled to the display, the display's mode untouched), and the
// window procedure that turns the window's messages into input events. The
// application derives from it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Events.h"
#include "platform/Window.h"

class OConfig;
class OLog;
class ScaledPicture;
struct OEvent;

class OGLWindow {
 public:
  static constexpr std::size_t kModeCount = 3;

  // Settings are read, and the log written, through the given objects.
  OGLWindow(OConfig& config, OLog& log);
  OGLWindow();
  // Leaves full screen and lets go of the context and the window.
  virtual ~OGLWindow();
  OGLWindow(const OGLWindow&) = delete;
  OGLWindow& operator=(const OGLWindow&) = delete;

  // The size and full-screen arguments are the first wish; the saved settings
  // decide. Failures are shown and logged, and false says that there is no
  // window or no context to draw with. Throws OSoftwareGL when the only
  // OpenGL on offer is not hardware accelerated.
  bool Create(const std::string& className, const std::string& title, std::uint16_t width,
              std::uint16_t height, std::uint8_t fullScreen);

  virtual void Flip();
  virtual void Frame(std::uint32_t deltaMs);
  virtual void Resize();
  virtual void Deactivate();
  virtual void Activate();
  // The keyboard's focus went to another window.
  virtual void FocusLost() {}
  virtual bool Init();
  virtual void Shutdown();
  virtual bool OnInput(const OEvent& event);
  // Alt+Enter or F11: full screen on or off.
  virtual void ToggleFullScreen();

  // The window procedure: one message of the window. Quit is left to the
  // loop, which ends on it.
  void HandleWindowEvent(const platform::WindowEvent& message);

  // A restore of 0 minimises.
  void ShowMinimised(std::uint8_t restore);
  void BringToFront();
  // Drags the window by (dx, dy) pixels; its size stays.
  void MoveBy(std::int16_t dx, std::int16_t dy);
  void SetClientSize(std::uint16_t width, std::uint16_t height);
  // `rgba` holds width x height pixels, rows from the top.
  void SetIcon(int width, int height, const std::vector<std::uint8_t>& rgba);

  std::uint8_t ModeIndex() const { return modeIndex_; }
  std::int8_t ColourBits() const { return colourBits_; }
  void SetColourBits(std::int8_t bits) { colourBits_ = bits; }
  std::uint8_t FullScreen() const { return fullScreen_; }
  void SetFullScreen(std::uint8_t fullScreen) { fullScreen_ = fullScreen; }
  std::int16_t ClientWidth() const { return clientWidth_; }
  std::int16_t ClientHeight() const { return clientHeight_; }
  std::int16_t WindowX() const { return windowX_; }
  std::int16_t WindowY() const { return windowY_; }
  std::uint8_t Active() const { return active_; }
  // Something of the window can be seen: neither minimised nor hidden. A
  // window that only lost the keyboard is still seen.
  bool Seen() const { return active_ != 0 && !hidden_; }
  // The refresh rate of the display the window is on; 0 when it does not say.
  int RefreshRate() const { return refreshRate_; }
  float FramesPerSecond() const { return framesPerSecond_; }
  void SetFramesPerSecond(float framesPerSecond) { framesPerSecond_ = framesPerSecond; }
  bool HasWindow() const { return window_ != nullptr; }
  bool HasRenderingContext() const { return renderingContext_ != nullptr; }

 protected:
  // What a display-mode change does between putting the old window away and
  // reloading what lived in the old context: the window and the context in
  // mode `mode`, the screens told the new size, the window brought forward.
  void RecreateWindow(std::uint8_t mode);
  void SetModeIndex(std::uint8_t mode) { modeIndex_ = mode; }

  // Full screen when chosen or when the display is too small for the window
  // both ways, otherwise a window centred on the display; a display that
  // refuses full screen leaves a window. False for a mode index that names no mode.
  bool ApplyDisplayMode();
  bool CreateWindow();
  bool CreateRenderingContext();
  void ReleaseContexts();
  bool DestroyWindow();

  OConfig& Config() const { return config_; }
  OLog& Log() const { return log_; }

  // The display the window goes on; tests put a fake display in.
  virtual platform::WindowBounds DisplayArea();
  virtual bool ChangeToFullScreen();
  virtual void LeaveFullScreen();

 private:
  void TranslateMouse(const platform::WindowEvent& message);
  // Keys, typed characters and game controllers' buttons.
  void TranslateKeyboard(const platform::WindowEvent& message);
  void ChangeWindowState(const platform::WindowEvent& message);
  void PlaceWindowCentred(const platform::WindowBounds& display);
  void StartScaledPicture();
  // Controllers plugged in now or later play from the window's first showing on.
  void StartControllers();

  OConfig& config_;
  OLog& log_;
  bool videoStarted_ = false;
  bool controllersStarted_ = false;
  std::string title_;
  std::uint8_t modeIndex_ = 1;
  platform::NativeWindow* window_ = nullptr;
  platform::GLContext* renderingContext_ = nullptr;
  // The display a new window goes on: the one the last window stood on.
  int display_ = 0;
  // In full screen the picture is drawn here and scaled to the window's size.
  std::unique_ptr<ScaledPicture> picture_;
  int shownWidth_ = 0;
  int shownHeight_ = 0;
  std::int8_t colourBits_ = 32;
  std::uint8_t depthBits_ = 16;
  std::uint8_t stencilBits_ = 0;
  std::uint8_t accumulationBits_ = 0;
  std::uint8_t fullScreen_ = 0;
  bool inFullScreen_ = false;
  float framesPerSecond_ = 0.0f;
  std::int16_t clientWidth_ = 0;
  std::int16_t clientHeight_ = 0;
  std::int16_t windowX_ = 0;
  std::int16_t windowY_ = 0;
  std::uint8_t active_ = 1;
  bool hidden_ = false;
  int refreshRate_ = 0;
};
