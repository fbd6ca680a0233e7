// Gives a bare Xvfb the three display modes the game offers, so that the
// full-screen tests can switch between them. xrandr --newmode/--addmode from
// separate clients does not stick on Xvfb; one client adding them does.
//   add_modes            adds 640x480, 800x600 and 1024x768 to the first output
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <cstdio>
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

}  // namespace

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "add_modes: no X display\n");
    return 1;
  }
  const Window root = DefaultRootWindow(display);
  XRRScreenResources* resources = XRRGetScreenResources(display, root);
  if (resources == nullptr || resources->noutput < 1) {
    std::fprintf(stderr, "add_modes: the display has no output\n");
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
  XSync(display, False);
  XCloseDisplay(display);
  return 0;
}
