// What a screen may ask of the program that shows it. The application
// implements it; screens hold it as their way out to everything they share.
#pragma once

#include <cstdint>

class OFont;
class OScreenList;

class OScreenHost {
 public:
  virtual ~OScreenHost() = default;

  // Screens switch to one another by identifier, and a game screen is
  // registered and dropped while the program runs.
  virtual OScreenList& Screens() = 0;
  // Ends the program once the message being handled is done with.
  virtual void PostQuit() = 0;
  // The lettering every screen shares; null when it could not be made.
  virtual OFont* Font() const { return nullptr; }

  // The window, for the buttons and the dragging every screen offers. A host
  // without a window of its own keeps the defaults: a window that stays put.
  virtual std::uint8_t FullScreen() const { return 0; }
  // Takes effect with the next ChangeResolution.
  virtual void SetFullScreen(std::uint8_t /*fullScreen*/) {}
  virtual std::uint8_t ModeIndex() const { return 0; }
  // The window and context made anew in display mode `mode`, with everything
  // that lived in the old context rebuilt.
  virtual bool ChangeResolution(std::uint8_t /*mode*/) { return false; }
  // Full screen on or off at once, kept in the settings for the next start.
  virtual void ChooseFullScreen(bool /*on*/) {}
  // A restore of 0 minimises.
  virtual void ShowMinimised(std::uint8_t /*restore*/) {}
  virtual void MoveBy(std::int16_t /*dx*/, std::int16_t /*dy*/) {}
  // One of the loaded sound effects, by identifier; silent without sound.
  virtual void PlaySound(std::int32_t /*sound*/) {}
};
