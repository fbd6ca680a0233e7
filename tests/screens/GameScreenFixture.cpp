#include "GameScreenFixture.h"

#include <GL/gl.h>

#include <cstdlib>

#include "assetgen/AssetSink.h"
#include "assetgen/Models.h"
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
#include "screens/BoardWindow.h"
#include "screens/GameTypeWindow.h"
#include "screens/OMenuWindow.h"
#include "support/GLTestContext.h"
#include "support/OffscreenVideo.h"

namespace {

// No game takes this many frames for one move, intro or level.
constexpr int kMostFrames = 20000;
constexpr int kSweepStep = 6;

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
  OConfig& rules = OConfig::Instance();
  rules.skill = SkillRules::kEasy;
  rules.showGroups = true;
  rules.startLevel = 1;
  rules.musicOn = false;
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
  menu_ = &Add(std::make_unique<OMenuWindow>());
  gameType_ = &Add(std::make_unique<GameTypeWindow>());
  Screens().AddWindow(std::make_unique<ORenderWindow>(kScoreScreen));
  QuitPosted();
}

void GameScreenFixture::TearDown() {
  if (application_ != nullptr) {
    application_->Music().Stop();
    application_->Music().currentList = nullptr;
  }
  // The screens' blocks and the effects hold models; they go before the archive.
  application_.reset();
  EffectList::Instance().Clear();
  Block::Skin().Clear();
  archive_.reset();
}

bool GameScreenFixture::RunUntil(const std::function<bool()>& condition, std::uint32_t elapsed) {
  for (int frame = 0; frame < kMostFrames && !condition(); ++frame) {
    Run(elapsed);
  }
  return condition();
}

GameScreenFixture::Pixel GameScreenFixture::PointAtGroup(BoardWindow& screen) {
  return PointWhere([&screen] { return screen.Rules().Removable(); });
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

int ChangedAround(const Picture& a, const Picture& b, float x, float y, float radius) {
  constexpr int kWidth = 800;
  const float xScale = kWidth / 512.0f;
  const float yScale = 600 / 512.0f;
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
