// What the end-to-end tests ask of the X server beyond xdotool:
//   x_helper add-modes       gives a bare Xvfb the game's three display modes
//                            (xrandr --newmode/--addmode from separate clients
//                            does not stick on Xvfb; one client adding them does)
//   x_helper screen-size     prints the screen's size now, as WIDTHxHEIGHT
//   x_helper close WINDOW    asks the window to close, as a window manager's
//                            close button does (WM_DELETE_WINDOW)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Size {
  unsigned width;
  unsigned height;
};

constexpr Size kSizes[] = {{640, 480}, {800, 600}, {1024, 768}};

XRRModeInfo ModeFor(const Size& size, std::string& name) {
  name = std::to_string(size.width) + "x" + std::to_string(size.height);
  XRRModeInfo mode{};
  mode.width = size.width;
  mode.height = size.height;
  // A plain 60 Hz timing; Xvfb only needs the numbers to be consistent.
  mode.hTotal = size.width + 160;
  mode.vTotal = size.height + 30;
  mode.dotClock = static_cast<unsigned long>(mode.hTotal) * mode.vTotal * 60;
  mode.hSyncStart = size.width + 16;
  mode.hSyncEnd = size.width + 112;
  mode.vSyncStart = size.height + 3;
  mode.vSyncEnd = size.height + 6;
  mode.name = name.data();
  mode.nameLength = static_cast<unsigned>(name.size());
  return mode;
}

// The mode of that size the server already knows, 0 for none.
RRMode KnownMode(const XRRScreenResources& resources, const Size& size) {
  for (int k = 0; k < resources.nmode; ++k) {
    if (resources.modes[k].width == size.width && resources.modes[k].height == size.height) {
      return resources.modes[k].id;
    }
  }
  return 0;
}

bool OutputHas(const XRROutputInfo& output, RRMode mode) {
  for (int k = 0; k < output.nmode; ++k) {
    if (output.modes[k] == mode) {
      return true;
    }
  }
  return false;
}

int AddModes(Display* display) {
  const Window root = DefaultRootWindow(display);
  XRRScreenResources* resources = XRRGetScreenResources(display, root);
  if (resources == nullptr || resources->noutput < 1) {
    std::fprintf(stderr, "x_helper: the display has no output\n");
    return 1;
  }
  const RROutput output = resources->outputs[0];
  XRROutputInfo* outputInfo = XRRGetOutputInfo(display, resources, output);
  for (const Size& size : kSizes) {
    RRMode mode = KnownMode(*resources, size);
    if (mode == 0) {
      std::string name;
      XRRModeInfo info = ModeFor(size, name);
      mode = XRRCreateMode(display, root, &info);
    }
    if (outputInfo == nullptr || !OutputHas(*outputInfo, mode)) {
      XRRAddOutputMode(display, output, mode);
    }
  }
  XRRFreeOutputInfo(outputInfo);
  XRRFreeScreenResources(resources);
  return 0;
}

int PrintScreenSize(Display* display) {
  XRRScreenConfiguration* config = XRRGetScreenInfo(display, DefaultRootWindow(display));
  if (config == nullptr) {
    return 1;
  }
  Rotation rotation = 0;
  const SizeID current = XRRConfigCurrentConfiguration(config, &rotation);
  int count = 0;
  const XRRScreenSize* sizes = XRRConfigSizes(config, &count);
  if (current < count) {
    std::printf("%dx%d\n", sizes[current].width, sizes[current].height);
  }
  XRRFreeScreenConfigInfo(config);
  return current < count ? 0 : 1;
}

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
  if (command == "add-modes") {
    result = AddModes(display);
  } else if (command == "screen-size") {
    result = PrintScreenSize(display);
  } else if (command == "close" && argc > 2) {
    result = Close(display, argv[2]);
  } else {
    std::fprintf(stderr, "usage: x_helper add-modes | screen-size | close WINDOW\n");
  }
  XSync(display, False);
  XCloseDisplay(display);
  return result;
}
