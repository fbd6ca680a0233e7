#include "ControlScene.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "assetgen/AssetSink.h"
#include "assetgen/Buttons.h"
#include "assetgen/RgbaImage.h"
#include "gfx/OLight.h"
#include "support/TestImages.h"

namespace {

constexpr std::array<std::uint8_t, 3> kBackground{51, 102, 153};

// Glyphs inked in their first ten columns; the space cell stays empty.
std::vector<std::uint8_t> EvenFont() {
  RgbaImage sheet(512, 256, {255, 255, 255, 0});
  for (int code = 33; code < 160; ++code) {
    for (int y = 4; y < 28; ++y) {
      for (int x = 0; x < ControlScene::kGlyphAdvance; ++x) {
        sheet.At((code - 32) % 16 * 32 + x, (code - 32) / 16 * 32 + y)[3] = 255;
      }
    }
  }
  return sheet.ToTga(true);
}

const TestArchive::Members& Assets() {
  static const TestArchive::Members members = [] {
    const TempFolder folder;
    AssetSink sink(folder.Path());
    Buttons::Write(sink);
    TestArchive::Members packed = TestArchive::MembersUnder(folder / "archive");
    packed.emplace_back("Data/Textures/Font.Tga", EvenFont());
    packed.emplace_back("Data/Textures/wea.tga", TgaFile({"RR", "RR"}));
    packed.emplace_back("Data/Textures/scr.tga", TgaFile({"GG", "GG"}));
    return packed;
  }();
  return members;
}

}  // namespace

ControlScene::ControlScene() : camera_(kWidth, kHeight, 65.0f, 1.0f, 300.0f) {
  archive_ = std::make_unique<TestArchive>(Assets());
  camera_.transform[14] = -64.0f;
  camera_.LookAt(0.0f, 0.0f, 0.0f);
  font_.Load();
  screen_.Attach(nullptr, &camera_, nullptr);
  screen_.SetPixelSize(kWidth, kHeight);
}

ControlScene::~ControlScene() { font_.Unload(); }

ControlScene::Pixel ControlScene::PixelOf(const std::array<float, 3>& world) const {
  const float* t = camera_.transform;
  const std::array<float, 3> r{world[0] - t[12], world[1] - t[13], world[2] - t[14]};
  const float depth = -(r[0] * t[8] + r[1] * t[9] + r[2] * t[10]);
  const float across = (r[0] * t[0] + r[1] * t[1] + r[2] * t[2]) / depth;
  const float up = (r[0] * t[4] + r[1] * t[5] + r[2] * t[6]) / depth;
  const float d = (kHeight / 2.0f) / std::tan(camera_.fov * 3.14159265f / 360.0f);
  return {static_cast<int>(std::lround(kWidth / 2.0f + across * d)),
          static_cast<int>(std::lround(kHeight / 2.0f - up * d))};
}

bool ControlScene::Send(std::uint32_t type, Pixel at, std::uint32_t button) {
  return screen_.HandleEvent(OEvent::Mouse(type, button, 0, static_cast<std::uint16_t>(at[0]),
                                           static_cast<std::uint16_t>(at[1])));
}

bool ControlScene::Click(Pixel at) {
  Move(at);
  Press(at);
  return Release(at);
}

bool ControlScene::Key(std::uint16_t key) {
  const bool down = screen_.HandleEvent(OEvent::Key(OEvent::kKeyDown, key, 0));
  screen_.HandleEvent(OEvent::Key(OEvent::kKeyUp, key, 0));
  return down;
}

bool ControlScene::Type(const std::string& text) {
  bool handled = true;
  for (const char character : text) {
    handled = screen_.HandleEvent(OEvent::Key(OEvent::kCharacter, static_cast<std::uint8_t>(character), 0)) &&
              handled;
  }
  return handled;
}

void ControlScene::DrawScreen() {
  glClearColor(kBackground[0] / 255.0f, kBackground[1] / 255.0f, kBackground[2] / 255.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  // As the game draws: a second pass over a face lies at exactly its depth.
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  OLight light(0);
  light.Apply();
  glEnable(GL_TEXTURE_2D);
  screen_.Draw();
  glFinish();
}

ControlScene::Pixel ControlScene::DrawnSpan(int y) {
  DrawScreen();
  std::vector<std::array<std::uint8_t, 4>> row(kWidth);
  glReadPixels(0, kHeight - 1 - y, kWidth, 1, GL_RGBA, GL_UNSIGNED_BYTE, row.data());
  Pixel span{kWidth, -1};
  for (int x = 0; x < kWidth; ++x) {
    const auto& pixel = row[static_cast<std::size_t>(x)];
    if (pixel[0] != kBackground[0] || pixel[1] != kBackground[1] || pixel[2] != kBackground[2]) {
      span = {std::min(span[0], x), x};
    }
  }
  return span;
}

std::vector<std::uint8_t> ControlScene::DrawnFrame() {
  DrawScreen();
  std::vector<std::uint8_t> frame(static_cast<std::size_t>(kWidth) * kHeight * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
  return frame;
}

std::array<std::uint8_t, 3> ControlScene::DrawnPixel(Pixel at) {
  DrawScreen();
  std::array<std::uint8_t, 4> pixel{};
  glReadPixels(at[0], kHeight - 1 - at[1], 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
  return {pixel[0], pixel[1], pixel[2]};
}
