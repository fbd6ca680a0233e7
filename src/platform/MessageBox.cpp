// Message boxes through SDL; standard error when SDL cannot show one.
#include "platform/MessageBox.h"

#include <SDL.h>

#include <cstdio>

namespace platform {

namespace {

MessageBoxHandler& Handler() {
  static MessageBoxHandler handler;
  return handler;
}

Uint32 SdlFlags(MessageBoxIcon icon) {
  switch (icon) {
    case MessageBoxIcon::Error:
      return SDL_MESSAGEBOX_ERROR;
    case MessageBoxIcon::Warning:
      return SDL_MESSAGEBOX_WARNING;
    case MessageBoxIcon::Information:
      break;
  }
  return SDL_MESSAGEBOX_INFORMATION;
}

}  // namespace

void ShowMessageBox(const std::string& caption, const std::string& text, MessageBoxIcon icon) {
  if (Handler()) {
    Handler()(caption, text, icon);
    return;
  }
  if (SDL_ShowSimpleMessageBox(SdlFlags(icon), caption.c_str(), text.c_str(), nullptr) != 0) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  }
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  MessageBoxHandler previous = std::move(Handler());
  Handler() = std::move(handler);
  return previous;
}

}  // namespace platform
