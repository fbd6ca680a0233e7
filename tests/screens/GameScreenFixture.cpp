#include "GameScreenFixture.h"

#include <GL/gl.h>

#include <cstdlib>
#include <fstream>

#include "assetgen/AssetSink.h"
#include "assetgen/Models.h"
#include "assetgen/PngWriter.h"
#include "assetgen/RgbaImage.h"
#include "assetgen/Textures.h"
#include "game/Block.h"
#include "game/BlockManager.h"
#include "game/BlockPrototypes.h"
#include "game/BlockRandom.h"
#include "game/Cylinder.h"
#include "game/EffectList.h"
#include "game/GoodyTemplates.h"
#include "game/SkillRules.h"
#include "gfx/OCamera.h"
#include "gfx/OLight.h"
#include "gfx/OModelManager.h"
#include "platform/Events.h"
#include "screens/BoardWindow.h"
#include "support/GLTestContext.h"
#include "support/OffscreenVideo.h"

namespace {

// No game takes this many frames for one move, intro or level.
constexpr int kMostFrames = 20000;
constexpr int kSweepStep = 6;

// SDL unloads Mesa's driver when its window goes, and what the driver still
// holds then looks lost to the leak checker.
void KeepGLDriverLoaded() { static const GLTestContext keeper(1, 1); }

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

void ListeningApplication::Flip() {
  picture.assign(static_cast<std::size_t>(ClientWidth()) * ClientHeight() * 4, 0);
  glReadPixels(0, 0, ClientWidth(), ClientHeight(), GL_RGBA, GL_UNSIGNED_BYTE, picture.data());
  OApplication::Flip();
}

void GameScreenFixture::SetUp() {
  USE_OFFSCREEN_VIDEO_OR_SKIP();
  KeepGLDriverLoaded();
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  archive_ = std::make_unique<TestArchive>(GeneratedAssets());
  // 800 x 600 in a window: the size the offscreen window is first made in.
  config_.displayMode = 1;
  config_.colourDepth = 32;
  config_.fullScreen = false;
  config_.Save();
  // The model cache reads the settings file when it starts; it must not undo the settings made here.
  OModelManager::Instance().SetDetail(OModelManager::kLowDetail);
  OConfig::Instance().skill = SkillRules::kEasy;
  OConfig::Instance().showGroups = true;
  OConfig::Instance().startLevel = 1;
  OConfig::Instance().musicOn = false;
  BlockRandom::Instance().Seed(7);
  application_ = std::make_unique<ListeningApplication>(config_, log_);
  application_->Create("3D", "Tornet 3D", kWidth, kHeight, 0);
  ASSERT_TRUE(application_->HasRenderingContext());
  application_->Init();
  // Where the game puts the camera that the side screens place their models with.
  application_->Camera()->transform[14] = -64.0f;
  application_->Camera()->LookAt(0.0f, 0.0f, 0.0f);
  application_->Light()->Apply();
  BlockPrototypes::Instance().LoadModels();
  GoodyTemplates::Instance().LoadModels();
  Block::LoadSkin();
  for (const std::uint32_t identifier : {kMenu, kScoreScreen}) {
    application_->Screens().AddWindow(std::make_unique<ORenderWindow>(identifier));
  }
}

void GameScreenFixture::TearDown() {
  // The screens' blocks and the effects hold models; they go before the archive.
  application_.reset();
  EffectList::Instance().Clear();
  Block::Skin().Clear();
  archive_.reset();
}

std::uint32_t GameScreenFixture::ActiveScreen() const {
  const ORenderWindow* active = application_->Screens().ActiveWindow();
  return active != nullptr ? active->Identifier() : 0;
}

void GameScreenFixture::Run(std::uint32_t elapsed, int frames) {
  for (int frame = 0; frame < frames; ++frame) {
    application_->Screens().ActiveWindow()->Update(elapsed);
  }
}

bool GameScreenFixture::RunUntil(const std::function<bool()>& condition, std::uint32_t elapsed) {
  for (int frame = 0; frame < kMostFrames; ++frame) {
    if (condition()) {
      return true;
    }
    Run(elapsed);
  }
  return condition();
}

void GameScreenFixture::FinishIntro(BoardWindow& screen) {
  ASSERT_TRUE(RunUntil([&screen] { return screen.Board()->State() != BoardState::Intro; }));
  ASSERT_EQ(screen.Board()->State(), BoardState::Idle);
}

void GameScreenFixture::FinishMove(BoardWindow& screen) {
  ASSERT_TRUE(RunUntil([&screen] {
    const BoardState state = screen.Board()->State();
    return state == BoardState::Idle || state == BoardState::GameOver || screen.Rules().LevelDone();
  }));
}

void GameScreenFixture::Move(Pixel at) {
  application_->OnInput(OEvent::Mouse(OEvent::kMouseMove, OEvent::kLeft, 0, static_cast<std::uint16_t>(at.x),
                                      static_cast<std::uint16_t>(at.y)));
}

void GameScreenFixture::Press(Pixel at) {
  application_->OnInput(OEvent::Mouse(OEvent::kButtonDown, OEvent::kLeft, platform::kMouseLeft,
                                      static_cast<std::uint16_t>(at.x), static_cast<std::uint16_t>(at.y)));
}

void GameScreenFixture::Release(Pixel at) {
  application_->OnInput(OEvent::Mouse(OEvent::kButtonUp, OEvent::kLeft, 0, static_cast<std::uint16_t>(at.x),
                                      static_cast<std::uint16_t>(at.y)));
}

void GameScreenFixture::Click(Pixel at) {
  Move(at);
  Press(at);
  Release(at);
}

void GameScreenFixture::PressKey(std::uint16_t key) {
  application_->OnInput(OEvent::Key(OEvent::kKeyDown, key, 0));
}

std::optional<GameScreenFixture::Pixel> GameScreenFixture::FindPointer(
    const std::function<bool()>& condition) {
  for (int y = kSweepStep; y < kHeight; y += kSweepStep) {
    for (int x = kSweepStep; x < kWidth; x += kSweepStep) {
      Move({x, y});
      if (condition()) {
        return Pixel{x, y};
      }
    }
  }
  return std::nullopt;
}

GameScreenFixture::Pixel GameScreenFixture::LayoutPoint(float x, float y) {
  return {static_cast<int>(x * kWidth / 512.0f), static_cast<int>(kHeight - y * kHeight / 512.0f)};
}

std::vector<std::uint16_t> Colours(const Cylinder& board) {
  std::vector<std::uint16_t> colours;
  for (int position = 0; position < board.RingCount(); ++position) {
    for (int column = 0; column < board.CellsPerRing(); ++column) {
      colours.push_back(board.RingAt(position).BlockAtColumn(column).colour);
    }
  }
  return colours;
}

int HighlightedBlocks(const Cylinder& board) {
  int count = 0;
  for (int slot = 0; slot < board.RingCount(); ++slot) {
    const Ring& ring = board.RingInSlot(slot);
    for (std::uint32_t cell = 0; cell < ring.CellCount(); ++cell) {
      const Block& block = ring.BlockAt(static_cast<std::uint16_t>(cell));
      count += block.colour != kEmpty && block.Alpha() == 1.0f ? 1 : 0;
    }
  }
  return count;
}

int ChangedAround(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b, float x, float y,
                  float radius) {
  constexpr int kWidth = 800;
  constexpr int kHeight = 600;
  const float xScale = kWidth / 512.0f;
  const float yScale = kHeight / 512.0f;
  int changed = 0;
  for (int row = static_cast<int>((y - radius) * yScale); row < static_cast<int>((y + radius) * yScale);
       ++row) {
    for (int column = static_cast<int>((x - radius) * xScale);
         column < static_cast<int>((x + radius) * xScale); ++column) {
      const std::size_t i = (static_cast<std::size_t>(row) * kWidth + column) * 4;
      const int difference =
          std::abs(a[i] - b[i]) + std::abs(a[i + 1] - b[i + 1]) + std::abs(a[i + 2] - b[i + 2]);
      changed += difference > 60 ? 1 : 0;
    }
  }
  return changed;
}

void SavePicture(const std::vector<std::uint8_t>& pixels, const std::string& path) {
  constexpr int kWidth = 800;
  constexpr int kHeight = 600;
  RgbaImage image(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const std::uint8_t* p = &pixels[(static_cast<std::size_t>(kHeight - 1 - y) * kWidth + x) * 4];
      image.At(x, y) = {p[0], p[1], p[2], 255};
    }
  }
  const std::vector<std::uint8_t> png = EncodePng(image);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

bool QuitPosted() {
  platform::WindowEvent message;
  for (int round = 0; round < 2; ++round) {
    while (platform::PollWindowEvent(message)) {
      if (message.kind == platform::WindowEventKind::Quit) {
        return true;
      }
    }
  }
  return false;
}
