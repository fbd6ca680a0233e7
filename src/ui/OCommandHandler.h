// What a control reports to: the screen that holds it. Kept apart from the
// screen class so that controls and the board can be built and tested alone.
#pragma once

#include <cstdint>

class OCamera;
class OFont;

class OCommandHandler {
 public:
  virtual ~OCommandHandler() = default;
  // The answer becomes the result of the HandleEvent call that sent the command.
  virtual bool OnCommand(std::uint32_t id, std::uint32_t code) = 0;
  // What controls draw and pick with: the screen's camera and the game's font.
  // A holder that has none gives null, and its controls draw no text and are never hit.
  virtual OCamera* Camera() const { return nullptr; }
  virtual OFont* Font() const { return nullptr; }
};
