// The window and its OpenGL context over the platform layer: the picture's
// sizes, full screen, the window procedure.
#include "app/OGLWindow.h"

#include <optional>
#include <utility>

#include "app/PictureFit.h"
#include "app/ScaledPicture.h"
#include "core/OConfig.h"
#include "core/OException.h"
#include "core/OLog.h"
#include "platform/MessageBox.h"
#include "ui/KeyCodes.h"
#include "ui/OEvent.h"

namespace {

constexpr std::array<std::pair<std::uint32_t, std::uint32_t>, OGLWindow::kModeCount> kModeSizes{
    {{640, 480}, {800, 600}, {1024, 768}}};

void ShowError(const char* text) { platform::ShowMessageBox("Error", text, platform::MessageBoxIcon::Error); }

void ShowShutdownError(const char* text) {
  platform::ShowMessageBox("SHUTDOWN ERROR", text, platform::MessageBoxIcon::Information);
}

// Half the room the desktop leaves round the window, truncated toward zero;
// negative when the window is the larger.
std::int16_t CentredStart(int desktop, int window) {
  return static_cast<std::int16_t>((desktop - window) / 2);
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

// Pad events carry the platform's button codes as they are.
static_assert(static_cast<std::uint16_t>(platform::PadButton::Up) == padbutton::kUp &&
              static_cast<std::uint16_t>(platform::PadButton::Right) == padbutton::kRight &&
              static_cast<std::uint16_t>(platform::PadButton::A) == padbutton::kA &&
              static_cast<std::uint16_t>(platform::PadButton::RightTrigger) == padbutton::kRightTrigger &&
              static_cast<std::uint16_t>(platform::PadButton::Back) == padbutton::kBack);

std::uint32_t KeyboardEventType(platform::WindowEventKind kind) {
  switch (kind) {
    case platform::WindowEventKind::KeyDown:
      return OEvent::kKeyDown;
    case platform::WindowEventKind::KeyUp:
      return OEvent::kKeyUp;
    case platform::WindowEventKind::PadDown:
      return OEvent::kPadDown;
    case platform::WindowEventKind::PadUp:
      return OEvent::kPadUp;
    default:
      return OEvent::kCharacter;
  }
}

}  // namespace

OGLWindow::OGLWindow(OConfig& config, OLog& log) : config_(config), log_(log) {}

OGLWindow::OGLWindow() : OGLWindow(OConfig::Instance(), OLog::Instance()) {}

OGLWindow::~OGLWindow() {
  LeaveFullScreen();
  ReleaseContexts();
  DestroyWindow();
  if (controllersStarted_) {
    platform::StopControllers();
  }
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
    log_.Line("No video: %s", platform::LastError().c_str());
    ShowError("Can't register window class");
    return false;
  }
  config_.Load();
  config_.ResetIfDisplayModeInvalid();
  modeIndex_ = static_cast<std::uint8_t>(config_.displayMode & 0xFF);
  colourBits_ = static_cast<std::int8_t>(config_.colourDepth & 0xFF);
  fullScreen_ = config_.fullScreen ? 1 : 0;
  CreateWindow();
  CreateRenderingContext();
  // Each step has said what went wrong; nothing can be drawn without both.
  if (renderingContext_ == nullptr) {
    return false;
  }
  platform::DisableScreenSaver();
  platform::StartTextInput();
  StartControllers();
  BringToFront();
  return true;
}

void OGLWindow::StartControllers() {
  if (controllersStarted_) {
    return;
  }
  controllersStarted_ = platform::StartControllers();
  if (!controllersStarted_) {
    log_.Line("No game controllers: the keyboard and the mouse play");
  }
}

void OGLWindow::Flip() {
  if (window_ == nullptr) {
    return;
  }
  if (picture_ != nullptr) {
    picture_->Present(shownWidth_, shownHeight_);
  }
  platform::SwapBuffers(*window_);
}

void OGLWindow::Frame(std::uint32_t) {}

void OGLWindow::Resize() {}

void OGLWindow::Deactivate() { active_ = 0; }

void OGLWindow::Activate() { active_ = 1; }

bool OGLWindow::Init() { return true; }

void OGLWindow::Shutdown() {}

bool OGLWindow::OnInput(const OEvent&) { return false; }

void OGLWindow::ToggleFullScreen() {}

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
    case platform::WindowEventKind::PadDown:
    case platform::WindowEventKind::PadUp:
      TranslateKeyboard(message);
      break;
    case platform::WindowEventKind::Close:
      platform::PostQuit();
      break;
    case platform::WindowEventKind::ToggleFullScreen:
      ToggleFullScreen();
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
  PictureFit::Point at{message.x, message.y};
  if (picture_ != nullptr) {
    // The pointer is where the player sees it on the scaled picture. A press
    // on a bar presses nothing; anything else there stays at the picture's edge,
    // so that a drag that strays off the picture still ends.
    const PictureFit fit(clientWidth_, clientHeight_, shownWidth_, shownHeight_);
    const std::optional<PictureFit::Point> onPicture = fit.ToPicture(at);
    if (!onPicture && type == OEvent::kButtonDown) {
      return;
    }
    at = onPicture.value_or(fit.ToPictureEdge(at));
  }
  // A press keeps the pointer reporting to the window until the release, so
  // a drag that ends outside the window still ends.
  if (type == OEvent::kButtonDown) {
    platform::CaptureMouse(true);
  } else if (type == OEvent::kButtonUp) {
    platform::CaptureMouse(false);
  }
  // Outside the window the position wraps as the 16-bit words of Windows mouse messages do.
  OnInput(OEvent::Mouse(type, button, message.flags, static_cast<std::uint16_t>(at.x),
                        static_cast<std::uint16_t>(at.y)));
}

void OGLWindow::TranslateKeyboard(const platform::WindowEvent& message) {
  OnInput(OEvent::Key(KeyboardEventType(message.kind), message.key, message.flags));
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
    case platform::WindowEventKind::FocusLost:
      FocusLost();
      return;
    case platform::WindowEventKind::Hidden:
    case platform::WindowEventKind::Shown:
      hidden_ = message.kind == platform::WindowEventKind::Hidden;
      return;
    case platform::WindowEventKind::DisplayChanged:
      if (window_ != nullptr) {
        refreshRate_ = platform::RefreshRate(*window_);
      }
      return;
    default:
      break;
  }
  // In full screen the window's size is the display's; the picture keeps its own.
  if (picture_ != nullptr) {
    if (message.width > 0 && message.height > 0) {
      shownWidth_ = message.width;
      shownHeight_ = message.height;
    }
    return;
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
  if (window_ != nullptr) {
    display_ = platform::DisplayOfWindow(*window_);
  }
  ReleaseContexts();
  DestroyWindow();
  modeIndex_ = mode;
  CreateWindow();
  CreateRenderingContext();
  Resize();
  BringToFront();
}

bool OGLWindow::ApplyDisplayMode() {
  inFullScreen_ = false;
  // A mode index that names no mode (a caller's mistake) is a mode the game cannot show.
  if (modeIndex_ >= kModeCount) {
    return false;
  }
  const auto [width, height] = kModeSizes[modeIndex_];
  clientWidth_ = static_cast<std::int16_t>(width);
  clientHeight_ = static_cast<std::int16_t>(height);
  const platform::WindowBounds display = DisplayArea();
  // Either direction is enough: a window a little too big for the display is
  // still a window the player can drag.
  if (display.width < static_cast<int>(width) && display.height < static_cast<int>(height)) {
    fullScreen_ = 1;
  }
  if (fullScreen_ != 0) {
    inFullScreen_ = ChangeToFullScreen();
    if (inFullScreen_) {
      windowX_ = static_cast<std::int16_t>(display.x);
      windowY_ = static_cast<std::int16_t>(display.y);
      return true;
    }
    // The display refuses full screen: the game plays in a window, and says so.
    fullScreen_ = 0;
  }
  PlaceWindowCentred(display);
  return true;
}

void OGLWindow::PlaceWindowCentred(const platform::WindowBounds& display) {
  LeaveFullScreen();
  windowX_ = static_cast<std::int16_t>(display.x + CentredStart(display.width, clientWidth_));
  windowY_ = static_cast<std::int16_t>(display.y + CentredStart(display.height, clientHeight_));
}

bool OGLWindow::CreateWindow() {
  const platform::PixelFormatRequest format{colourBits_, depthBits_, stencilBits_, accumulationBits_};
  // A window goes full screen on the display it stands on: it is made at the
  // corner of the display the last one stood on.
  if (fullScreen_ != 0) {
    const platform::WindowBounds display = DisplayArea();
    windowX_ = static_cast<std::int16_t>(display.x);
    windowY_ = static_cast<std::int16_t>(display.y);
  }
  window_ = platform::CreateGLWindow(title_, {windowX_, windowY_, clientWidth_, clientHeight_}, format);
  if (window_ == nullptr) {
    log_.Line("No window: %s", platform::LastError().c_str());
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
  refreshRate_ = platform::RefreshRate(*window_);
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
  if (inFullScreen_) {
    StartScaledPicture();
  }
  return true;
}

void OGLWindow::StartScaledPicture() {
  const platform::WindowBounds shown = platform::DrawableSize(*window_);
  shownWidth_ = shown.width;
  shownHeight_ = shown.height;
  picture_ = ScaledPicture::Make(clientWidth_, clientHeight_, colourBits_, depthBits_);
  if (picture_ != nullptr) {
    return;
  }
  // Without an offscreen picture to scale, full screen would show the picture
  // in a corner: a window at the picture's size shows it whole.
  log_.Error("Can't scale the picture to the screen; the game plays in a window");
  inFullScreen_ = false;
  fullScreen_ = 0;
  PlaceWindowCentred(DisplayArea());
  platform::SetWindowBounds(*window_, {windowX_, windowY_, clientWidth_, clientHeight_});
}

void OGLWindow::ReleaseContexts() {
  if (renderingContext_ == nullptr) {
    return;
  }
  picture_.reset();
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

platform::WindowBounds OGLWindow::DisplayArea() { return platform::DisplayBounds(display_); }

bool OGLWindow::ChangeToFullScreen() {
  return window_ != nullptr && platform::EnterDesktopFullScreen(*window_);
}

void OGLWindow::LeaveFullScreen() {
  if (window_ != nullptr) {
    platform::LeaveFullScreen(*window_);
  }
}
