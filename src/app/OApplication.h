// The application: everything the screens share (camera, light, font, pointer,
// sound, music), the screens themselves, the main loop that turns idle time
// into frames, and the change of display mode. The game's own start-up is
// DEraviriv's.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "app/FrameCounter.h"
#include "app/OGLWindow.h"
#include "app/OScreenHost.h"
#include "app/OScreenList.h"
#include "app/ShownFrame.h"
#include "app/StillPicture.h"
#include "audio/OMusic.h"
#include "audio/OSound.h"
#include "audio/SoundGroups.h"
#include "gfx/OTexture.h"

class OCamera;
class OCursor;
class OFont;
class OLight;

class OApplication : public OGLWindow, public OScreenHost {
 public:
  OApplication(OConfig& config, OLog& log);
  ~OApplication() override;

  // One frame: the shown screen's update and drawing, the pointer over it, the
  // next module when the music ended, and the swap.
  void Frame(std::uint32_t deltaMs) override;
  // The frame without the swap.
  void DrawFrame(std::uint32_t deltaMs);
  // Every screen gets the window's new size.
  void Resize() override;
  // Minimised: effects are muted and the music pauses. The shown screen hears
  // of it, as it does of a focus lost.
  void Deactivate() override;
  void FocusLost() override;
  // Restored: effects and music come back as the settings say.
  void Activate() override;
  // The shared assets; a missing file throws OFileNotFound.
  bool Init() override;
  void Shutdown() override;
  // Moves the pointer and hands the event to the shown screen.
  bool OnInput(const OEvent& event) override;

  // The settings in force, which the options screen changes and saves.
  using OGLWindow::Config;
  OScreenList& Screens() override { return screens_; }
  void PostQuit() override;
  // The window as the screens see it, the same one OGLWindow keeps.
  std::uint8_t FullScreen() const override { return OGLWindow::FullScreen(); }
  void SetFullScreen(std::uint8_t fullScreen) override { OGLWindow::SetFullScreen(fullScreen); }
  std::uint8_t ModeIndex() const override { return OGLWindow::ModeIndex(); }
  void ShowMinimised(std::uint8_t restore) override { OGLWindow::ShowMinimised(restore); }
  void MoveBy(std::int16_t dx, std::int16_t dy) override { OGLWindow::MoveBy(dx, dy); }
  void PlaySound(std::int32_t sound) override;

  // Handles every waiting message, then draws a frame when one is due: no
  // more often than the display refreshes, never while the window is not
  // seen, and only now and then while the picture stays the same. Until the
  // quit message; returns 0.
  int Run();
  // The loading picture with its progress line, for the start-up.
  void DrawLoading(int percent);
  // The group's next sound; a group the game never made plays nothing.
  void PlaySoundGroup(std::uint32_t group);
  // The window and context again in display mode `mode`, everything that
  // lived in the old context rebuilt. Throws OSoftwareGL like the first window.
  bool ChangeResolution(std::uint8_t mode) override;
  void ChooseFullScreen(bool on) override;
  void ToggleFullScreen() override { ChooseFullScreen(FullScreen() == 0); }

  OSound& Sound() { return sound_; }
  OMusic& Music() { return music_; }
  bool SoundAvailable() const { return soundAvailable_; }
  // Null when the font could not be made.
  OFont* Font() const override { return font_.get(); }
  OCamera* Camera() const { return camera_.get(); }
  OLight* Light() const { return light_.get(); }
  OCursor* Cursor() const { return cursor_.get(); }

 protected:
  SoundGroups& Groups() { return soundGroups_; }

 private:
  // Every message waiting; false on the quit message.
  bool HandleMessages();
  // Swaps in the frame drawn at `drawnAt` unless it is known to equal the one
  // on the screen already; whether it swapped.
  bool ShowIfChanged(std::int64_t drawnAt);
  void DrawApplyingChanges();
  // The window's icon from "Icon.Tga"; a window made anew gets it again.
  void LoadIcon();
  void ShowIcon();

  OTexture loadingImage_;
  OSound sound_;
  OMusic music_;
  bool soundAvailable_ = false;
  std::unique_ptr<OCursor> cursor_;
  std::unique_ptr<OCamera> camera_;
  std::unique_ptr<OLight> light_;
  std::unique_ptr<OFont> font_;
  OScreenList screens_;
  SoundGroups soundGroups_;
  FrameCounter frameCounter_;
  StillPicture still_;
  ShownFrame shownFrame_;
  int iconWidth_ = 0;
  int iconHeight_ = 0;
  std::vector<std::uint8_t> iconPixels_;  // RGBA, top row first
};
