#include "ui/OEvent.h"

namespace {

// Where the pointer was last seen; the game has one pointer and one thread.
std::uint16_t lastX = 0;
std::uint16_t lastY = 0;

}  // namespace

OEvent OEvent::Mouse(std::uint32_t type, std::uint32_t button, std::uint16_t flags, std::uint16_t x,
                     std::uint16_t y) {
  OEvent event;
  event.type = type;
  event.button = button;
  event.flags = flags;
  event.x = x;
  event.y = y;
  if (type == kMouseMove) {
    event.dx = static_cast<std::uint16_t>(x - lastX);
    event.dy = static_cast<std::uint16_t>(y - lastY);
  }
  lastX = x;
  lastY = y;
  return event;
}

OEvent OEvent::Key(std::uint32_t type, std::uint16_t key, std::uint16_t flags) {
  OEvent event;
  event.type = type;
  event.key = key;
  event.flags = flags;
  event.x = lastX;
  event.y = lastY;
  return event;
}
