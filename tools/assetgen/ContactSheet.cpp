#include "assetgen/ContactSheet.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <numbers>
#include <random>
#include <stdexcept>

#include "core/OConfig.h"
#include "core/OException.h"
#include "core/OResourceArchive.h"
#include "assetgen/AssetSink.h"
#include "assetgen/Blocks.h"
#include "assetgen/Buttons.h"
#include "assetgen/Models.h"
#include "assetgen/PngWriter.h"
#include "assetgen/TextRaster.h"
#include "assetgen/Textures.h"
#include "gfx/OBaseImage.h"
#include "gfx/OCamera.h"
#include "gfx/OLight.h"
#include "gfx/OModel.h"
#include "gfx/OModelData.h"
#include "gfx/OModelManager.h"
#include "gfx/OTexture.h"
#include "platform/HeadlessGLContext.h"
#include "ztrpack/ZtrWriter.h"

namespace {

namespace fs = std::filesystem;

constexpr int kColumns = 10;
constexpr int kTile = 160;
constexpr int kCaption = 18;
constexpr int kBoardWidth = 800;
constexpr int kBoardHeight = 600;
constexpr const char* kSkin = "scr.tga";

// A folder of our own under the system's temporary folder, gone afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device random;
    path_ = fs::temp_directory_path() / ("tornet-sheet-" + std::to_string(random()));
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A place on the sheet: the drawing area, with its caption below it.
struct Tile {
  int x;  // left, pixels from the sheet's left
  int y;  // bottom of the drawing area, pixels from the sheet's bottom as GL counts
  int width;
  int height;
  std::string caption;
};

// Places tiles row by row from the top, the boards below the small tiles.
class Layout {
 public:
  explicit Layout(int smallTiles) {
    rows_ = (smallTiles + kColumns - 1) / kColumns;
    height_ = rows_ * (kTile + kCaption) + kBoardHeight + kCaption;
  }
  int Width() const { return kColumns * kTile; }
  int Height() const { return height_; }
  Tile Small(int index, std::string caption) const {
    const int row = index / kColumns;
    const int top = row * (kTile + kCaption);
    return {index % kColumns * kTile, height_ - top - kTile, kTile, kTile, std::move(caption)};
  }
  Tile Board(int index, std::string caption) const {
    return {index * kBoardWidth, kCaption, kBoardWidth, kBoardHeight, std::move(caption)};
  }

 private:
  int rows_;
  int height_;
};

void BeginTile(const Tile& tile, std::array<float, 3> top, std::array<float, 3> bottom) {
  glViewport(tile.x, tile.y, tile.width, tile.height);
  glScissor(tile.x, tile.y, tile.width, tile.height);
  glEnable(GL_SCISSOR_TEST);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  // A soft backdrop, like the game's backgrounds, so that blended faces show
  // both what they darken and what they add.
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_TEXTURE_2D);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glBegin(GL_TRIANGLE_STRIP);
  glColor3fv(bottom.data());
  glVertex2f(-1, -1);
  glVertex2f(1, -1);
  glColor3fv(top.data());
  glVertex2f(-1, 1);
  glVertex2f(1, 1);
  glEnd();
  // Diagonal stripes, so that see-through parts are plain to see.
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4f(1, 1, 1, 0.08f);
  glBegin(GL_QUADS);
  for (float s = -3.0f; s < 1.0f; s += 0.25f) {
    glVertex2f(s, -1);
    glVertex2f(s + 0.1f, -1);
    glVertex2f(s + 2.1f, 1);
    glVertex2f(s + 2.0f, 1);
  }
  glEnd();
  glDisable(GL_BLEND);
  glColor3f(1, 1, 1);
  glEnable(GL_TEXTURE_2D);
}

void DrawTexture(const Tile& tile, const std::string& name) {
  BeginTile(tile, {0.35f, 0.35f, 0.4f}, {0.15f, 0.15f, 0.2f});
  OTexture texture;
  texture.Set(name);
  const float w = static_cast<float>(texture.Image()->Width());
  const float h = static_cast<float>(texture.Image()->Height());
  const float fit = 0.92f / std::max(w, h);
  texture.Bind();
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor3f(1, 1, 1);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2f(-w * fit, -h * fit);
  glTexCoord2f(1, 0);
  glVertex2f(w * fit, -h * fit);
  glTexCoord2f(1, 1);
  glVertex2f(w * fit, h * fit);
  glTexCoord2f(0, 1);
  glVertex2f(-w * fit, h * fit);
  glEnd();
  glDisable(GL_BLEND);
}

using Matrix = std::array<float, 16>;

Matrix Multiply(const Matrix& a, const Matrix& b) {
  Matrix out{};
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      for (int k = 0; k < 4; ++k) {
        out[column * 4 + row] += a[k * 4 + row] * b[column * 4 + k];
      }
    }
  }
  return out;
}

Matrix Rotation(int axis, float angle) {
  Matrix m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  const int a = (axis + 1) % 3;
  const int b = (axis + 2) % 3;
  m[a * 4 + a] = std::cos(angle);
  m[a * 4 + b] = std::sin(angle);
  m[b * 4 + a] = -std::sin(angle);
  m[b * 4 + b] = std::cos(angle);
  return m;
}

// How a model stands in front of the camera: blocks with their height up the
// screen as on the board, everything else as its screen places it.
enum class Pose { Board, Screen };

// A camera like the screens', 64 units back, with the model turned a little
// so that bevels and depth show, and moved back until it fills the tile.
OCamera FramedCamera(const Tile& tile, OModel& model, Pose pose, float yaw, float pitch) {
  model.ComputeBounds();
  const Matrix base = pose == Pose::Board ? Matrix{0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}
                                          : Matrix{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  Matrix turn = Multiply(Rotation(0, pitch), Multiply(Rotation(1, yaw), base));
  const float* c = model.centre;
  for (int row = 0; row < 3; ++row) {
    turn[12 + row] = -(turn[row] * c[0] + turn[4 + row] * c[1] + turn[8 + row] * c[2]);
  }
  std::copy(turn.begin(), turn.end(), model.transform);
  const float* h = model.halfExtents;
  const float radius = std::sqrt(h[0] * h[0] + h[1] * h[1] + h[2] * h[2]);
  constexpr float kFieldOfView = 30.0f;
  const float distance = radius / std::sin(kFieldOfView / 2.0f * std::numbers::pi_v<float> / 180.0f);
  OCamera camera(static_cast<float>(tile.width), static_cast<float>(tile.height), kFieldOfView,
                 distance * 0.1f, distance * 3.0f);
  camera.transform[14] = -distance;
  camera.LookAt(0, 0, 0);
  return camera;
}

void UseCamera(OCamera& camera, const Tile& tile) {
  camera.SetViewport(static_cast<float>(tile.width), static_cast<float>(tile.height));
  glViewport(tile.x, tile.y, tile.width, tile.height);
  OLight light(0);
  light.Apply();
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_DEPTH_TEST);
}

// Object `index` alone, or every object when `index` is negative.
void ShowObjects(OModel& model, int index) {
  if (index < 0) {
    for (std::size_t i = 0; i < model.ObjectCount(); ++i) {
      model.SetVisible(i, false);
    }
  } else {
    model.SetVisible(static_cast<std::size_t>(index), true);
  }
}

// As the blended buttons draw themselves: darken by the alpha, then add.
void DrawBlended(OModel& model) {
  glDisable(GL_DEPTH_TEST);
  model.SetAlpha(1.0f);
  model.SetBlendFunc(GL_ZERO, GL_ONE_MINUS_SRC_ALPHA);
  model.Draw();
  model.SetBlendFunc(GL_ONE, GL_ONE);
  model.Draw();
  model.SetAlpha(0.0f);
  glEnable(GL_DEPTH_TEST);
}

void DrawControl(const Tile& tile, const Buttons::Control& control, int object, OTexture* skin) {
  BeginTile(tile, {0.32f, 0.3f, 0.5f}, {0.1f, 0.12f, 0.22f});
  OModel model;
  model.Load(control.name);
  const bool blended = control.look == Buttons::Look::Blended;
  OCamera camera = FramedCamera(tile, model, Pose::Screen, blended ? 0.0f : 0.45f, blended ? 0.0f : -0.35f);
  UseCamera(camera, tile);
  ShowObjects(model, object);
  switch (control.look) {
    case Buttons::Look::Blended:
      DrawBlended(model);
      break;
    case Buttons::Look::Lit:
      model.Draw();
      break;
    case Buttons::Look::Skin:
      glDisable(GL_LIGHTING);
      if (skin != nullptr) {
        skin->Bind();
      }
      model.Draw();
      glEnable(GL_LIGHTING);
      break;
  }
  if (control.name == "Slider.Asvm") {
    // The slider draws its thumb in the rail's frame, here a third of the way along.
    OModel thumb;
    thumb.Load("BSliderStem.Asvm");
    thumb.transform[12] = -3.0f;
    glPushMatrix();
    glMultMatrixf(model.transform);
    thumb.Draw();
    glPopMatrix();
  }
}

// Pieces of the board are lit and drawn with the board's culling, so a face
// wound the wrong way shows as a hole.
void DrawPiece(const Tile& tile, const std::string& name, bool detailLevels, OTexture* skin) {
  BeginTile(tile, {0.3f, 0.32f, 0.38f}, {0.12f, 0.12f, 0.16f});
  OModel model;
  model.Data().detailLevels = detailLevels;
  model.Load(name);
  OCamera camera = FramedCamera(tile, model, Pose::Board, -0.6f, 0.45f);
  UseCamera(camera, tile);
  if (skin != nullptr) {
    skin->Bind();
  }
  glCullFace(GL_FRONT);
  glEnable(GL_CULL_FACE);
  model.Draw();
  glDisable(GL_CULL_FACE);
}

// The board as the game sets it up: the camera 64 units back with a 65 degree
// view, the cylinder 30 units in and turned so its axis runs up the screen,
// and every block turned toward the axis by the rings' own rule.
void DrawBoard(const Tile& tile, OTexture* skin) {
  BeginTile(tile, {0.25f, 0.22f, 0.4f}, {0.06f, 0.05f, 0.12f});
  OCamera camera(static_cast<float>(tile.width), static_cast<float>(tile.height), 65.0f, 1.0f, 300.0f);
  camera.transform[14] = -64.0f;
  camera.LookAt(0, 0, 0);
  UseCamera(camera, tile);

  O3D cylinder;
  cylinder.transform[14] = 30.0f;
  cylinder.RotateLocalX(-std::numbers::pi_v<float> / 2.0f);
  constexpr int kRings = 10;
  constexpr float kSpacing = 6.8f;
  const std::vector<Blocks::Piece>& blocks = Blocks::BlockPieces();
  const std::vector<Blocks::Piece>& goodies = Blocks::GoodyPieces();

  glPushMatrix();
  glMultMatrixf(cylinder.transform);
  glCullFace(GL_FRONT);
  glEnable(GL_CULL_FACE);
  for (int ring = 0; ring < kRings; ++ring) {
    glPushMatrix();
    glTranslatef(0, 0, (ring - (kRings - 1) / 2) * kSpacing);
    for (int cell = 0; cell < Blocks::kCells; ++cell) {
      // A fixed scatter of colours, a marker row at the top and a goody here and there.
      const int pick = (cell * 7 + ring * 3 + cell * ring) % 23;
      const bool goody = pick < static_cast<int>(goodies.size()) && (cell + ring) % 3 == 0;
      OModel piece;
      if (goody) {
        piece.Load(goodies[static_cast<std::size_t>(pick)].name);
      } else {
        piece.Data().detailLevels = true;
        piece.Load(blocks[ring == kRings - 1 ? 4 : static_cast<std::size_t>(pick % 4)].name);
      }
      const float angle =
          cell * 2.0f * std::numbers::pi_v<float> / Blocks::kCells + std::numbers::pi_v<float> / 2.0f;
      const float px = std::cos(angle) * Blocks::kRingRadius;
      const float py = std::sin(angle) * Blocks::kRingRadius;
      piece.transform[12] = px;
      piece.transform[13] = py;
      for (int twice = 0; twice < 2; ++twice) {
        piece.TurnToward(0, 0, 0, piece.transform[8], piece.transform[9], piece.transform[10]);
        piece.TurnToward(px, py, 1, piece.transform[0], piece.transform[1], piece.transform[2]);
      }
      if (skin != nullptr) {
        skin->Bind();
      }
      piece.Draw();
    }
    glPopMatrix();
  }
  glDisable(GL_CULL_FACE);
  glPopMatrix();
}

// The captions go on after the picture is read back, in the strips left for them.
void Caption(RgbaImage& sheet, const TextRaster& raster, const Tile& tile) {
  const int top = sheet.Height() - tile.y;
  std::string text = tile.caption;
  while (text.size() > 1 && raster.TextWidth(text) > tile.width - 4) {
    text.pop_back();
  }
  raster.Draw(sheet, tile.x + 3, top + kCaption - 5, text, {235, 235, 235, 255});
}

// The game's settings file, archive and model detail are borrowed while the
// sheet is drawn and given back afterwards, whatever happens.
class BorrowedGameState {
 public:
  // Nothing the sheet does may write the settings file where it runs, so the
  // settings go to `settingsFile` before anything reads them.
  explicit BorrowedGameState(const fs::path& settingsFile) : settings_(OConfig::Instance().fileName) {
    OConfig::Instance().fileName = settingsFile.string();
    detail_ = OModelManager::Instance().Detail();
  }
  ~BorrowedGameState() {
    OResourceArchive::Instance() = OResourceArchive();
    OModelManager::Instance().SetDetail(detail_);
    OConfig::Instance().fileName = settings_;
  }
  BorrowedGameState(const BorrowedGameState&) = delete;
  BorrowedGameState& operator=(const BorrowedGameState&) = delete;

 private:
  std::string settings_;
  std::int32_t detail_ = 0;
};

}  // namespace

void MakeContactSheet(const std::string& pngPath) {
  ScratchFolder scratch;
  const BorrowedGameState borrowed(scratch.Path() / "Config.Cfg");
  AssetSink sink(scratch.Path() / "generated");
  WriteTextures(sink);
  WriteModels(sink);

  ZtrWriter writer;
  std::vector<std::string> textures;
  for (const std::string& member : sink.ArchiveMembers()) {
    writer.Add(member, ReadFile(scratch.Path() / "generated" / "archive" / member));
    const std::string folder = "Data/Textures/";
    if (member.starts_with(folder)) {
      textures.push_back(member.substr(folder.size()));
    }
  }
  const fs::path archivePath = scratch.Path() / "Resource.Ztr";
  {
    const std::vector<std::uint8_t> archive = writer.Build();
    std::ofstream file(archivePath, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(archive.data()), static_cast<std::streamsize>(archive.size()));
  }
  OResourceArchive::Instance() = OResourceArchive(archivePath.string(), [](const std::string&) {});
  if (!OResourceArchive::Instance().Open()) {
    throw std::runtime_error("can't open the archive just packed");
  }

  const std::vector<Buttons::Control> controls = Buttons::Controls();
  struct ControlView {
    const Buttons::Control* control;
    int object;
    std::string caption;
  };
  std::vector<ControlView> controlViews;
  for (const Buttons::Control& control : controls) {
    if (control.name == "BSliderStem.Asvm") {
      controlViews.push_back({&control, -1, control.name});
    } else if (control.name == "Slider.Asvm") {
      controlViews.push_back({&control, -1, control.name + " + thumb"});
    } else if (control.look == Buttons::Look::Lit && control.model.objects.size() == 2 &&
               control.texture == "bt_controls.tga") {
      controlViews.push_back({&control, 0, control.name + " box"});
      controlViews.push_back({&control, -1, control.name + " marked"});
    } else {
      controlViews.push_back({&control, 0, control.name});
      controlViews.push_back({&control, 1, control.name + " lit"});
    }
  }
  const std::vector<Blocks::Piece>& blocks = Blocks::BlockPieces();
  const std::vector<Blocks::Piece>& goodies = Blocks::GoodyPieces();
  const int smallTiles =
      static_cast<int>(textures.size() + 2 * blocks.size() + goodies.size() + controlViews.size());
  const Layout layout(smallTiles);

  platform::HeadlessGLContext context(layout.Width(), layout.Height());
  if (!context.Ok()) {
    throw std::runtime_error(std::string("no GL context: ") + context.Error());
  }
  std::unique_ptr<OTexture> skin;
  if (OResourceArchive::Instance().SizeOf("Data/Textures/" + std::string(kSkin)) > 0) {
    skin = std::make_unique<OTexture>();
    skin->Set(kSkin);
  }

  std::vector<Tile> tiles;
  int next = 0;
  for (const std::string& name : textures) {
    tiles.push_back(layout.Small(next++, name));
    DrawTexture(tiles.back(), name);
  }
  OModelManager::Instance().SetDetail(OModelManager::kHighDetail);
  for (const Blocks::Piece& piece : blocks) {
    tiles.push_back(layout.Small(next++, piece.name + " hi"));
    DrawPiece(tiles.back(), piece.name, true, skin.get());
  }
  for (const Blocks::Piece& piece : goodies) {
    tiles.push_back(layout.Small(next++, piece.name));
    DrawPiece(tiles.back(), piece.name, false, skin.get());
  }
  tiles.push_back(layout.Board(0, std::string("board, high detail, skin ") + (skin ? kSkin : "none")));
  DrawBoard(tiles.back(), skin.get());

  for (const ControlView& view : controlViews) {
    tiles.push_back(layout.Small(next++, view.caption));
    DrawControl(tiles.back(), *view.control, view.object, skin.get());
  }

  OModelManager::Instance().SetDetail(OModelManager::kLowDetail);
  for (const Blocks::Piece& piece : blocks) {
    tiles.push_back(layout.Small(next++, piece.name + " low"));
    DrawPiece(tiles.back(), piece.name, true, skin.get());
  }
  tiles.push_back(layout.Board(1, "board, low detail"));
  DrawBoard(tiles.back(), skin.get());

  const std::vector<std::uint8_t> pixels = context.ReadPixels();
  RgbaImage sheet(layout.Width(), layout.Height(), {24, 24, 30, 255});
  for (int y = 0; y < layout.Height(); ++y) {
    for (int x = 0; x < layout.Width(); ++x) {
      const std::uint8_t* p =
          &pixels[(static_cast<std::size_t>(layout.Height() - 1 - y) * layout.Width() + x) * 4];
      sheet.At(x, y) = {p[0], p[1], p[2], 255};
    }
  }
  const TextRaster raster(12);
  for (const Tile& tile : tiles) {
    Caption(sheet, raster, tile);
  }
  const std::vector<std::uint8_t> png = EncodePng(sheet);
  std::ofstream file(pngPath, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  if (!file) {
    throw std::runtime_error("can't write " + pngPath);
  }
}
