// The window and its OpenGL context over the platform layer: display modes,
// full screen, the window procedure.
#include "app/OGLWindow.h"

#include <utility>

#include "core/OConfig.h"
#include "core/OException.h"
#include "core/OLog.h"
#include "platform/MessageBox.h"
#include "ui/OEvent.h"

namespace {

constexpr std::array<std::pair<std::uint32_t, std::uint32_t>, OGLWindow::kModeCount> kModeSizes{
    {{640, 480}, {800, 600}, {1024, 768}}};

void ShowError(const char* text) { platform::ShowMessageBox("Error", text, platform::MessageBoxIcon::Error); }

void ShowShutdownError(const char* text) {
  platform::ShowMessageBox("SHUTDOWN ERROR", text, platform::MessageBoxIcon::Information);
}

bool IsGameColourDepth(int bitsPerPixel) { return bitsPerPixel == 16 || bitsPerPixel == 32; }

// Half the room the desktop leaves round the window, truncated toward zero;
// negative when the window is the larger.
std::int16_t CentredStart(int desktop, std::uint32_t window) {
  return static_cast<std::int16_t>((desktop - static_cast<int>(window)) / 2);
}

std::uint32_t MouseEventType(platform::WindowEventKind kind) {
  switch (kind) {
    case platform::WindowEventKind::ButtonDown:
      return OEvent::kButtonDown;
    case platform::WindowEventKind::ButtonUp:
      return OEvent::kButtonUp;
    default:
      return OEvent::kMouseMove;
  }
}

std::uint32_t EventButton(platform::MouseButton button) {
  switch (button) {
    case platform::MouseButton::Middle:
      return OEvent::kMiddle;
    case platform::MouseButton::Right:
      return OEvent::kRight;
    case platform::MouseButton::Left:
      break;
  }
  return OEvent::kLeft;
}

std::uint32_t KeyboardEventType(platform::WindowEventKind kind) {
  switch (kind) {
    case platform::WindowEventKind::KeyDown:
      return OEvent::kKeyDown;
    case platform::WindowEventKind::KeyUp:
      return OEvent::kKeyUp;
    default:
      return OEvent::kCharacter;
  }
}

}  // namespace

OGLWindow::OGLWindow(OConfig& config, OLog& log) : config_(config), log_(log) {}

OGLWindow::OGLWindow() : OGLWindow(OConfig::Instance(), OLog::Instance()) {}

OGLWindow::~OGLWindow() {
  RestoreDesktopMode();
  ReleaseContexts();
  DestroyWindow();
  if (videoStarted_) {
    platform::StopVideo();
  }
}

// The platform's windows have no class to register: starting the video
// system stands in for it, and its failure for a refused registration.
bool OGLWindow::Create(const std::string& /*className*/, const std::string& title, std::uint16_t width,
                       std::uint16_t height, std::uint8_t fullScreen) {
  title_ = title;
  fullScreen_ = fullScreen;
  clientWidth_ = static_cast<std::int16_t>(width);
  clientHeight_ = static_cast<std::int16_t>(height);
  if (!videoStarted_) {
    videoStarted_ = platform::StartVideo();
  }
  if (!videoStarted_) {
    ShowError("Can't register window class");
    return false;
  }
  EnumerateDisplayModes();
  config_.Load();
  config_.ResetIfDisplayModeInvalid();
  modeIndex_ = static_cast<std::uint8_t>(config_.displayMode & 0xFF);
  colourBits_ = static_cast<std::int8_t>(config_.colourDepth & 0xFF);
  fullScreen_ = config_.fullScreen ? 1 : 0;
  CreateWindow();
  CreateRenderingContext();
  if (window_ != nullptr) {
    platform::DisableScreenSaver();
    platform::StartTextInput();
  }
  BringToFront();
  return true;
}

void OGLWindow::Flip() {
  if (window_ != nullptr) {
    platform::SwapBuffers(*window_);
  }
}

void OGLWindow::Frame(std::uint32_t) {}

void OGLWindow::Resize() {}

void OGLWindow::Deactivate() { active_ = 0; }

void OGLWindow::Activate() { active_ = 1; }

bool OGLWindow::Init() { return true; }

void OGLWindow::Shutdown() {}

bool OGLWindow::OnInput(const OEvent&) { return false; }

void OGLWindow::HandleWindowEvent(const platform::WindowEvent& message) {
  switch (message.kind) {
    case platform::WindowEventKind::MouseMove:
    case platform::WindowEventKind::ButtonDown:
    case platform::WindowEventKind::ButtonUp:
      TranslateMouse(message);
      break;
    case platform::WindowEventKind::KeyDown:
    case platform::WindowEventKind::KeyUp:
    case platform::WindowEventKind::Character:
      TranslateKeyboard(message);
      break;
    case platform::WindowEventKind::Close:
      platform::PostQuit();
      break;
    case platform::WindowEventKind::None:
    case platform::WindowEventKind::Quit:
      break;
    default:
      ChangeWindowState(message);
      break;
  }
}

void OGLWindow::TranslateMouse(const platform::WindowEvent& message) {
  const std::uint32_t type = MouseEventType(message.kind);
  const std::uint32_t button = type == OEvent::kMouseMove ? OEvent::kLeft : EventButton(message.button);
  // A press keeps the pointer reporting to the window until the release, so
  // a drag that ends outside the window still ends.
  if (type == OEvent::kButtonDown) {
    platform::CaptureMouse(true);
  } else if (type == OEvent::kButtonUp) {
    platform::CaptureMouse(false);
  }
  // Outside the window the position wraps as the 16-bit words of Windows mouse messages do.
  OnInput(OEvent::Mouse(type, button, message.flags, static_cast<std::uint16_t>(message.x),
                        static_cast<std::uint16_t>(message.y)));
}

void OGLWindow::TranslateKeyboard(const platform::WindowEvent& message) {
  OnInput(OEvent::Key(KeyboardEventType(message.kind), message.key, 0));
}

void OGLWindow::ChangeWindowState(const platform::WindowEvent& message) {
  switch (message.kind) {
    case platform::WindowEventKind::Minimised:
      Deactivate();
      return;
    case platform::WindowEventKind::Restored:
      Activate();
      break;
    case platform::WindowEventKind::Maximised:
      // Only a restore brings sound and music back.
      active_ = 1;
      break;
    default:
      break;
  }
  SetClientSize(static_cast<std::uint16_t>(message.width), static_cast<std::uint16_t>(message.height));
}

void OGLWindow::ShowMinimised(std::uint8_t restore) {
  if (window_ == nullptr) {
    return;
  }
  if (restore > 0) {
    platform::RestoreWindow(*window_);
  } else {
    platform::MinimiseWindow(*window_);
  }
}

void OGLWindow::BringToFront() {
  if (window_ != nullptr) {
    platform::ShowWindow(*window_);
    platform::RaiseWindow(*window_);
  }
}

void OGLWindow::MoveBy(std::int16_t dx, std::int16_t dy) {
  if (window_ == nullptr) {
    return;
  }
  const platform::WindowPosition position = platform::GetWindowPosition(*window_);
  platform::SetWindowPosition(*window_, {position.x + dx, position.y + dy});
}

void OGLWindow::SetClientSize(std::uint16_t width, std::uint16_t height) {
  clientWidth_ = static_cast<std::int16_t>(width);
  clientHeight_ = static_cast<std::int16_t>(height);
  Resize();
}

void OGLWindow::SetIcon(int width, int height, const std::vector<std::uint8_t>& rgba) {
  if (window_ != nullptr) {
    platform::SetWindowIcon(*window_, width, height, rgba);
  }
}

void OGLWindow::RecreateWindow(std::uint8_t mode) {
  ReleaseContexts();
  DestroyWindow();
  modeIndex_ = mode;
  CreateWindow();
  CreateRenderingContext();
  Resize();
  BringToFront();
}

void OGLWindow::EnumerateDisplayModes() {
  for (std::size_t i = 0; i < kModeCount; ++i) {
    displayModes_[i] = {{}, kModeSizes[i].first, kModeSizes[i].second};
  }
  for (const platform::DisplayMode& mode : ListDisplayModes()) {
    if (!IsGameColourDepth(mode.bitsPerPixel)) {
      continue;
    }
    for (DisplayModeEntry& entry : displayModes_) {
      if (static_cast<int>(entry.width) == mode.width && static_cast<int>(entry.height) == mode.height) {
        entry.refreshRates.push_back(static_cast<std::uint32_t>(mode.refreshRate));
      }
    }
  }
}

bool OGLWindow::ApplyDisplayMode() {
  inFullScreen_ = false;
  // A mode index that names no mode (a caller's mistake) is a mode the display cannot show.
  if (modeIndex_ >= kModeCount) {
    return false;
  }
  const DisplayModeEntry& entry = displayModes_[modeIndex_];
  if (fullScreen_ == 0) {
    RestoreDesktopMode();
    const platform::DesktopSize desktop = DesktopSize();
    // Either direction is enough: a window a little too big for the desktop
    // is still a window the player can drag.
    if (desktop.width >= static_cast<int>(entry.width) || desktop.height >= static_cast<int>(entry.height)) {
      clientWidth_ = static_cast<std::int16_t>(entry.width);
      clientHeight_ = static_cast<std::int16_t>(entry.height);
      windowX_ = CentredStart(desktop.width, entry.width);
      windowY_ = CentredStart(desktop.height, entry.height);
      return true;
    }
    fullScreen_ = 1;
  }
  // The refresh rate is not asked for: the same request is made once per rate
  // the display lists, as the display may refuse it only now and then.
  for (std::size_t tries = entry.refreshRates.size(); tries > 0 && !inFullScreen_; --tries) {
    inFullScreen_ = ChangeToFullScreen(entry.width, entry.height);
  }
  if (!inFullScreen_) {
    return false;
  }
  windowX_ = 0;
  windowY_ = 0;
  clientWidth_ = static_cast<std::int16_t>(entry.width);
  clientHeight_ = static_cast<std::int16_t>(entry.height);
  return true;
}

bool OGLWindow::CreateWindow() {
  const platform::PixelFormatRequest format{colourBits_, depthBits_, stencilBits_, accumulationBits_};
  // Without a window manager nobody moves a window that goes full screen: one
  // left where the last windowed mode centred it would hang off the screen.
  if (fullScreen_ != 0) {
    windowX_ = 0;
    windowY_ = 0;
  }
  window_ = platform::CreateGLWindow(title_, {windowX_, windowY_, clientWidth_, clientHeight_}, format);
  if (window_ == nullptr) {
    ShowError("Can't create window");
    return false;
  }
  // The switch to full screen needs the window, so the mode is applied once it exists.
  if (!ApplyDisplayMode()) {
    modeIndex_ = 0;
    ApplyDisplayMode();
  }
  if (!inFullScreen_) {
    platform::SetWindowBounds(*window_, {windowX_, windowY_, clientWidth_, clientHeight_});
  }
  return true;
}

bool OGLWindow::CreateRenderingContext() {
  log_.Line("Creating rendering content");
  // The visual is chosen with the window; without a window there is nothing to choose it for.
  if (window_ == nullptr) {
    ShowError("Can't select pixel format");
    log_.Error("Can't select pixel format");
    return false;
  }
  log_.Line("Pixel format select: Ok");
  log_.Line("Pixel format set: Ok");
  renderingContext_ = platform::CreateGLContext(*window_);
  if (renderingContext_ == nullptr) {
    ShowError("Can't create rendering content");
    log_.Error("Can't create rendering content");
    return false;
  }
  log_.Line("Rendering content: Ok");
  if (!platform::HasAcceleratedVisual(*window_)) {
    throw OSoftwareGL();
  }
  return true;
}

void OGLWindow::ReleaseContexts() {
  if (renderingContext_ == nullptr) {
    return;
  }
  if (!platform::ReleaseGLContext(renderingContext_)) {
    ShowShutdownError("Release Of DC And RC Failed.");
  }
  renderingContext_ = nullptr;
}

bool OGLWindow::DestroyWindow() {
  if (window_ != nullptr) {
    platform::DestroyWindow(window_);
    window_ = nullptr;
  }
  return true;
}

std::vector<platform::DisplayMode> OGLWindow::ListDisplayModes() { return platform::DisplayModes(); }

platform::DesktopSize OGLWindow::DesktopSize() { return platform::DesktopSizeOfDisplay(); }

bool OGLWindow::ChangeToFullScreen(std::uint32_t width, std::uint32_t height) {
  return window_ != nullptr &&
         platform::EnterFullScreen(*window_, static_cast<int>(width), static_cast<int>(height));
}

void OGLWindow::RestoreDesktopMode() {
  if (window_ != nullptr) {
    platform::LeaveFullScreen(*window_);
  }
}
