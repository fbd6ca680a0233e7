#include "BoardScene.h"

#include <GL/gl.h>

#include <fstream>
#include <numbers>

#include "assetgen/AssetSink.h"
#include "assetgen/Models.h"
#include "assetgen/PngWriter.h"
#include "assetgen/RgbaImage.h"
#include "assetgen/Textures.h"
#include "game/BlockPrototypes.h"
#include "gfx/OLight.h"
#include "gfx/OModelManager.h"

namespace {

// Making every texture takes a while, and more so under the sanitizers.
const TestArchive::Members& GeneratedAssets() {
  static const TestArchive::Members members = [] {
    const TempFolder folder;
    AssetSink sink(folder.Path());
    WriteModels(sink);
    WriteTextures(sink);
    return TestArchive::MembersUnder(folder / "archive");
  }();
  return members;
}

}  // namespace

BoardScene::BoardScene() : camera_(kWidth, kHeight, 65.0f, 1.0f, 300.0f), picker_(&camera_) {
  archive_ = std::make_unique<TestArchive>(GeneratedAssets());
  // Other tests leave the detail where they like; the high-detail blocks are the ones with rounded edges.
  OModelManager::Instance().SetDetail(OModelManager::kHighDetail);
  BlockPrototypes::Instance().LoadModels();
  camera_.transform[14] = -64.0f;
  camera_.LookAt(0.0f, 0.0f, 0.0f);
}

BoardScene::~BoardScene() {
  // The board's blocks hold the models; they go before the archive and the context.
  harness_.reset();
  Block::Skin().Clear();
}

BoardHarness& BoardScene::Deal(const std::vector<std::string>& picture) {
  harness_.reset();
  harness_ = std::make_unique<BoardHarness>(picture);
  Cylinder& board = harness_->Board();
  board.transform[14] = 30.0f;
  board.RotateLocalX(-std::numbers::pi_v<float> / 2.0f);
  board.SetPicker(&picker_);
  return *harness_;
}

std::vector<std::string> BoardScene::FullBoard() {
  constexpr const char* kLetters = "YGRB";
  std::vector<std::string> picture;
  for (int row = 0; row < 10; ++row) {
    std::string line;
    for (int column = 0; column < 20; ++column) {
      line += kLetters[(column * 7 + row * 3 + column * row) % 4];
    }
    picture.push_back(line);
  }
  return picture;
}

OEvent BoardScene::Pointer(int x, int y) {
  return OEvent::Mouse(OEvent::kMouseMove, 0, 0, static_cast<std::uint16_t>(x),
                       static_cast<std::uint16_t>(y));
}

void BoardScene::BeginFrame(float red, float green, float blue) {
  camera_.SetViewport(static_cast<float>(kWidth), static_cast<float>(kHeight));
  OLight light(0);
  light.Apply();
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_DEPTH_TEST);
  glClearColor(red, green, blue, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void BoardScene::SavePicture(const std::vector<std::uint8_t>& pixels, const std::string& path) {
  RgbaImage image(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const std::uint8_t* p = &pixels[((kHeight - 1 - y) * kWidth + x) * 4];
      image.At(x, y) = {p[0], p[1], p[2], 255};
    }
  }
  const std::vector<std::uint8_t> png = EncodePng(image);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}
