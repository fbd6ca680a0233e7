// What a control reports to: the screen that holds it. Kept apart from the
// screen class so that controls and the board can be built and tested alone.
#pragma once

#include <cstdint>

class OCommandHandler {
 public:
  virtual ~OCommandHandler() = default;
  // The answer becomes the result of the HandleEvent call that sent the command.
  virtual bool OnCommand(std::uint32_t id, std::uint32_t code) = 0;
};
