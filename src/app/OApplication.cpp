#include "app/OApplication.h"

#include <GL/gl.h>

#include <cstdio>

#include "app/FramePacer.h"
#include "core/OConfig.h"
#include "core/OException.h"
#include "core/OLog.h"
#include "core/OResourceArchive.h"
#include "gfx/OCamera.h"
#include "gfx/OCursor.h"
#include "gfx/OFont.h"
#include "gfx/OLight.h"
#include "gfx/OModelManager.h"
#include "gfx/OTextureManager.h"
#include "gfx/Ortho2D.h"
#include "gfx/TgaDecode.h"
#include "platform/Clock.h"
#include "platform/Events.h"
#include "platform/Window.h"
#include "ui/OEvent.h"

namespace {

constexpr float kFieldOfView = 60.0f;
constexpr float kNearPlane = 1.0f;
constexpr float kFarPlane = 1024.0f;
// While nothing of the window is seen nothing is drawn: the loop sleeps until
// a message comes, and wakes now and then all the same.
constexpr int kUnseenWakeMs = 250;
constexpr const char* kNoSound = "No sound device, so the game runs without sound.";

}  // namespace

OApplication::OApplication(OConfig& config, OLog& log) : OGLWindow(config, log), screens_(*this) {
  Log().Line("App Constructor");
  music_.Init();
  Log().Line("Done");
}

OApplication::~OApplication() {
  platform::ShowSystemCursor(true);
  camera_.reset();
  light_.reset();
  sound_.Release();
  music_.Free();
  if (font_ != nullptr) {
    font_->Unload();
  }
  font_.reset();
  cursor_.reset();
  loadingImage_.Clear();
}

bool OApplication::Init() {
  // The game draws its own pointer; the system's would sit on top of it.
  platform::ShowSystemCursor(false);
  Resize();
  OResourceArchive::Instance().Open();
  LoadIcon();
  ShowIcon();
  loadingImage_.Set("Loading.jpg");
  DrawLoading(5 + std::rand() % 6);

  camera_ = std::make_unique<OCamera>(ClientWidth(), ClientHeight(), kFieldOfView, kNearPlane, kFarPlane);
  light_ = std::make_unique<OLight>(0);
  screens_.SetScene(camera_.get(), light_.get());
  screens_.Resize(static_cast<std::uint16_t>(ClientWidth()), static_cast<std::uint16_t>(ClientHeight()));
  font_ = std::make_unique<OFont>("Font.Tga");
  try {
    if (!font_->Load()) {
      font_.reset();
    }
  } catch (const OFileNotFound&) {
    // The game goes on without lettering.
    font_.reset();
  }
  DrawLoading(20 + std::rand() % 6);

  cursor_ = std::make_unique<OCursor>("Cursor.Tga");
  cursor_->Load();
  soundAvailable_ = sound_.Init(OSound::kChannels);
  if (!soundAvailable_) {
    // The one word about it: the sound libraries are kept from printing their own.
    Log().Line("%s", kNoSound);
    std::fprintf(stderr, "Tornet 3D: %s\n", kNoSound);
  }
  DrawLoading(30 + std::rand() % 6);
  Log().Line("Done");
  return true;
}

void OApplication::Shutdown() { screens_.DeleteAll(); }

int OApplication::Run() {
  FramePacer pacer(RefreshRate());
  std::uint32_t last = platform::MillisecondsSinceStart();
  while (HandleMessages()) {
    if (!Seen()) {
      platform::WaitForWindowEvent(kUnseenWakeMs);
      // A game seen again does not see the time it was away, and its swaps
      // may wait for the display otherwise than before.
      last = platform::MillisecondsSinceStart();
      pacer.Restart();
      continue;
    }
    if (const std::int64_t rest = still_.RestBefore(platform::MicrosecondsSinceStart()); rest > 0) {
      // A message ends the wait at once.
      platform::WaitForWindowEvent(static_cast<int>((rest + 999) / 1000));
      continue;
    }
    pacer.SetRefreshRate(RefreshRate());
    if (const std::int64_t rest = pacer.RestBefore(platform::MicrosecondsSinceStart()); rest > 0) {
      platform::SleepMicroseconds(rest);
      // Messages that came meanwhile go first.
      continue;
    }
    const std::int64_t begins = platform::MicrosecondsSinceStart();
    pacer.FrameBegins(begins);
    const std::uint32_t now = platform::MillisecondsSinceStart();
    const std::uint32_t delta = now - last;
    frameCounter_.Add(delta);
    SetFramesPerSecond(frameCounter_.PerSecond());
    DrawFrame(delta);
    if (ShowIfChanged(begins)) {
      pacer.FrameEnds(platform::MicrosecondsSinceStart());
    } else {
      pacer.FrameNotShown();
    }
    last = now;
  }
  Shutdown();
  return 0;
}

bool OApplication::ShowIfChanged(std::int64_t drawnAt) {
  if (!still_.Compares(drawnAt)) {
    shownFrame_.Forget();
    Flip();
    return true;
  }
  const bool same = shownFrame_.SameAsDrawn(ClientWidth(), ClientHeight());
  still_.Compared(drawnAt, same);
  if (!same) {
    Flip();
  }
  return !same;
}

bool OApplication::HandleMessages() {
  platform::WindowEvent message;
  while (platform::PollWindowEvent(message)) {
    if (message.kind == platform::WindowEventKind::Quit) {
      return false;
    }
    // Any message may change what the window should show, even one the game
    // does not handle: the window exposed again needs its picture.
    still_.Stirred(platform::MicrosecondsSinceStart());
    HandleWindowEvent(message);
  }
  return true;
}

void OApplication::Frame(std::uint32_t deltaMs) {
  DrawFrame(deltaMs);
  Flip();
}

void OApplication::DrawFrame(std::uint32_t deltaMs) {
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (ORenderWindow* screen = screens_.ActiveWindow()) {
    screen->Update(deltaMs);
  }
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  // An update may have switched screens; the new one is drawn at once.
  if (ORenderWindow* screen = screens_.ActiveWindow()) {
    screen->Draw();
  }
  SetOrtho2D(static_cast<std::uint16_t>(ClientWidth()), static_cast<std::uint16_t>(ClientHeight()));
  if (cursor_ != nullptr) {
    glEnable(GL_TEXTURE_2D);
    cursor_->Draw(ClientHeight());
  }
  if (OMusic::ModuleEnded() && music_.playing) {
    music_.Next();
  }
}

void OApplication::Resize() {
  // The loading picture and the overlays draw in the whole window too, not only the screens.
  if (HasRenderingContext()) {
    glViewport(0, 0, ClientWidth(), ClientHeight());
  }
  screens_.Resize(static_cast<std::uint16_t>(ClientWidth()), static_cast<std::uint16_t>(ClientHeight()));
}

void OApplication::Deactivate() {
  OGLWindow::Deactivate();
  sound_.effectsEnabled = false;
  if (music_.playing) {
    music_.Pause();
  }
  FocusLost();
}

void OApplication::FocusLost() {
  if (ORenderWindow* screen = screens_.ActiveWindow()) {
    screen->OnWindowInactive();
  }
}

void OApplication::Activate() {
  OGLWindow::Activate();
  sound_.effectsEnabled = Config().soundOn;
  if (Config().musicOn) {
    music_.Resume();
  }
}

bool OApplication::OnInput(const OEvent& event) {
  if (cursor_ != nullptr) {
    cursor_->MoveTo(event.x, event.y);
  }
  if (ORenderWindow* screen = screens_.ActiveWindow()) {
    screen->HandleEvent(event);
  }
  return false;
}

void OApplication::PostQuit() { platform::PostQuit(); }

void OApplication::PlaySound(std::int32_t sound) { sound_.Play(sound, true); }

void OApplication::DrawLoading(int percent) {
  glEnable(GL_TEXTURE_2D);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  SetOrtho2D(512, 512);
  loadingImage_.Bind();
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 0.0f);
  glVertex3f(128.0f, 240.0f, 1.0f);
  glTexCoord2f(1.0f, 0.0f);
  glVertex3f(384.0f, 240.0f, 1.0f);
  glTexCoord2f(1.0f, 1.0f);
  glVertex3f(384.0f, 272.0f, 1.0f);
  glTexCoord2f(0.0f, 1.0f);
  glVertex3f(128.0f, 272.0f, 1.0f);
  glEnd();
  glColor3ub(241, 48, 48);
  glDisable(GL_TEXTURE_2D);
  glBegin(GL_LINES);
  glVertex2f(0.0f, 236.0f);
  glVertex2f(static_cast<float>(percent * 512 / 100), 236.0f);
  glEnd();
  glEnable(GL_TEXTURE_2D);
  glColor3f(1.0f, 1.0f, 1.0f);
  Flip();
}

void OApplication::PlaySoundGroup(std::uint32_t group) {
  if (const std::optional<std::int32_t> sound = soundGroups_.Next(group)) {
    sound_.Play(*sound, true);
  }
}

bool OApplication::ChangeResolution(std::uint8_t mode) {
  Log().Line("Changing resolution: Mode %i", mode);
  OTextureManager::Instance().DeleteAllTextures();
  OModelManager::Instance().DeleteAllDisplayLists();
  screens_.DropKeptPictures();
  if (font_ != nullptr) {
    font_->Unload();
  }
  RecreateWindow(mode);
  ShowIcon();
  // Every screen's text controls point at this font, so one that cannot be
  // built again stays and draws nothing rather than leaving them dangling.
  if (font_ != nullptr && !font_->Load()) {
    Log().Error("Can't load font");
  }
  DrawApplyingChanges();
  OTextureManager::Instance().RecreateAllTextures();
  DrawApplyingChanges();
  OModelManager::Instance().CompileAllDisplayLists();
  SetModeIndex(mode);
  Log().Line("Resolution change: Ok");
  return true;
}

void OApplication::ChooseFullScreen(bool on) {
  SetFullScreen(on ? 1 : 0);
  ChangeResolution(ModeIndex());
  // A display that refuses full screen leaves the window, and that is what is kept.
  Config().fullScreen = FullScreen() != 0;
  Config().Save();
  // Shown again, the screen shows or hides its window buttons.
  if (const ORenderWindow* screen = screens_.ActiveWindow()) {
    screens_.SetActiveWindow(screen->Identifier());
  }
}

void OApplication::LoadIcon() {
  const std::optional<std::vector<std::uint8_t>> file =
      OResourceArchive::Instance().Read("Data/Textures/Icon.Tga");
  const std::optional<ODecodedImage> image = file ? DecodeTga(*file) : std::nullopt;
  // A window without an icon is still a window; only a picture with alpha makes one.
  if (!image || image->components != 4) {
    return;
  }
  // The file keeps its bottom row first.
  const std::size_t rowBytes = static_cast<std::size_t>(image->width) * 4;
  iconPixels_.clear();
  for (int row = image->height - 1; row >= 0; --row) {
    const auto begin = image->pixels.begin() + static_cast<std::ptrdiff_t>(row * rowBytes);
    iconPixels_.insert(iconPixels_.end(), begin, begin + static_cast<std::ptrdiff_t>(rowBytes));
  }
  iconWidth_ = image->width;
  iconHeight_ = image->height;
}

void OApplication::ShowIcon() {
  if (!iconPixels_.empty()) {
    SetIcon(iconWidth_, iconHeight_, iconPixels_);
  }
}

void OApplication::DrawApplyingChanges() {
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  SetOrtho2D(512, 512);
  if (font_ != nullptr) {
    constexpr const char* kText = "Applying Changes";
    glEnable(GL_TEXTURE_2D);
    font_->DrawText(static_cast<float>((512 - font_->TextWidth(kText)) / 2), 240.0f, kText, true, 1.0f);
  }
  Flip();
}
