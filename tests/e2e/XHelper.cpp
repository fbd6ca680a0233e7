// What the end-to-end tests ask of the X server beyond xdotool:
//   x_helper close WINDOW    asks the window to close, as a window manager's
//                            close button does (WM_DELETE_WINDOW)
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int Close(Display* display, const char* windowText) {
  const Window window = std::strtoul(windowText, nullptr, 0);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  return XSendEvent(display, window, False, NoEventMask, &event) != 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "x_helper: no X display\n");
    return 1;
  }
  int result = 2;
  if (command == "close" && argc > 2) {
    result = Close(display, argv[2]);
  } else {
    std::fprintf(stderr, "usage: x_helper close WINDOW\n");
  }
  XSync(display, False);
  XCloseDisplay(display);
  return result;
}
