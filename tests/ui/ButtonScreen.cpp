#include "ButtonScreen.h"

#include "assetgen/AssetSink.h"
#include "assetgen/Buttons.h"
#include "support/TestImages.h"

namespace {

// The control models and their face pictures, made once for the whole test
// program, and two skins for the skin button.
const TestArchive::Members& ButtonAssets() {
  static const TestArchive::Members members = [] {
    const TempFolder folder;
    AssetSink sink(folder.Path());
    Buttons::Write(sink);
    TestArchive::Members made = TestArchive::MembersUnder(folder / "archive");
    made.emplace_back("Data/Textures/wea.tga", TgaFile({"RR", "RR"}));
    made.emplace_back("Data/Textures/scr.tga", TgaFile({"GG", "GG"}));
    return made;
  }();
  return members;
}

}  // namespace

ButtonScreen::ButtonScreen() : archive_(ButtonAssets()) {
  camera_.transform[14] = -64.0f;
  camera_.LookAt(0.0f, 0.0f, 0.0f);
  screen_.Attach(nullptr, &camera_, nullptr);
  screen_.SetPixelSize(kWidth, kHeight);
}

void ButtonScreen::Place(OControl3D& control, const std::string& model, float x, float y) {
  control.Load(model);
  control.PlaceAtDesignPoint(x, y, 0.0f, camera_, ORenderWindow::kLayoutSize, ORenderWindow::kLayoutSize);
}

bool ButtonScreen::MoveTo(float x, float y) { return Send(OEvent::kMouseMove, OEvent::kLeft, x, y); }

bool ButtonScreen::Press(float x, float y, std::uint32_t button) {
  return Send(OEvent::kButtonDown, button, x, y);
}

bool ButtonScreen::Release(float x, float y) { return Send(OEvent::kButtonUp, OEvent::kLeft, x, y); }

bool ButtonScreen::Key(std::uint16_t key) {
  return screen_.HandleEvent(OEvent::Key(OEvent::kKeyDown, key, 0));
}

bool ButtonScreen::Send(std::uint32_t type, std::uint32_t button, float x, float y) {
  const auto pixelX = static_cast<std::uint16_t>(x * kWidth / ORenderWindow::kLayoutSize);
  const auto pixelY = static_cast<std::uint16_t>(kHeight - y * kHeight / ORenderWindow::kLayoutSize);
  return screen_.HandleEvent(OEvent::Mouse(type, button, 0, pixelX, pixelY));
}
