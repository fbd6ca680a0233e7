// What a screen may ask of the program that shows it. The application
// implements it; screens hold it as their way out to everything they share.
#pragma once

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
};
