#include "BoardHarness.h"

#include <gtest/gtest.h>

#include "BoardPicture.h"
#include "core/OConfig.h"
#include "game/BlockRandom.h"
#include "gfx/OModelManager.h"

namespace {

// No move, intro or level's end takes this many frames.
constexpr int kMostFrames = 100000;

}  // namespace

BoardHarness::BoardHarness(const std::vector<std::string>& picture, Options options) {
  MakeRemover(static_cast<int>(picture.size()), BoardPicture::CellsOf(picture), options);
  BoardPicture::Paint(*board_, picture);
  board_->SetState(BoardState::Idle);
  rotateButtonsEnabled = true;
}

BoardHarness::BoardHarness(int rings, int cells, Options options) {
  MakeRemover(rings, cells, options);
  board_->RaiseRings();
}

BoardHarness::BoardHarness(BreakdownGame, Options options)
    : supply_(std::make_unique<SupRing>()), manager_(std::make_unique<CollapseBlockManager>(options.level)) {
  Link(options);
  supply_->SeedChance(options.chanceSeed);
  supply_->owner = this;
  supply_->Init();
  supply_->Stop();
  Rules().SetDisplay(this);
  StartLevel();
}

BoardHarness::~BoardHarness() = default;

void BoardHarness::Link(const Options& options) {
  // The model cache reads the settings file when it starts; it must not undo the settings made here.
  OModelManager::Instance();
  OConfig::Instance().skill = options.skill;
  OConfig::Instance().showGroups = options.showGroups;
  BlockRandom::Instance().Seed(options.seed);
  manager_->SetAudio(this);
  manager_->SetArrows(this);
  manager_->SetButtons(this);
  manager_->SetFloatingTexts(&floating);
  manager_->SetLongTexts(&messages);
}

void BoardHarness::MakeRemover(int rings, int cells, const Options& options) {
  manager_ = std::make_unique<BlockManager>();
  board_ = std::make_unique<Cylinder>(Cylinder::kRemoverId, static_cast<std::uint16_t>(rings),
                                      static_cast<std::uint16_t>(cells), 24.0f, 6.8f, options.timing);
  Link(options);
  board_->owner = this;
  board_->SetPicker(this);
  board_->SetManager(manager_.get());
  manager_->SetBoard(board_.get());
  manager_->Init(0);
  EXPECT_TRUE(board_->Init());
}

void BoardHarness::StartLevel() {
  // The old board lets go of the supply ring before the new one takes it.
  board_.reset();
  auto board = std::make_unique<CollapseCylinder>();
  board->owner = this;
  board->SetPicker(this);
  Rules().StartLevel(*board, *supply_);
  EXPECT_TRUE(board->Init());
  board->RaiseRings();
  board_ = std::move(board);
  ++levelsStarted_;
}

std::int16_t BoardHarness::Pick(const Ring& ring, const OEvent& /*event*/) {
  if (pointerPosition_ < 0) {
    return -1;
  }
  const int position = Cylinder::PositionOfSlot(board_->SlotOf(ring), board_->RingCount());
  return position == pointerPosition_ ? static_cast<std::int16_t>(ring.IndexOfColumn(pointerColumn_)) : -1;
}

std::int16_t BoardHarness::FirstCellHit(const Ring& ring, const OEvent& /*event*/) {
  return supplyColumn_ >= 0 ? static_cast<std::int16_t>(ring.IndexOfColumn(supplyColumn_)) : -1;
}

bool BoardHarness::OnCommand(std::uint32_t /*id*/, std::uint32_t code) {
  commands.push_back(code);
  // As the Breakdown screen does when it hands the result to the score screen.
  if (code == OControl::kGameFinished && supply_ != nullptr) {
    board_->SetState(BoardState::GameOver);
  }
  return true;
}

bool BoardHarness::Send(const OEvent& event) {
  // The board was added after the supply ring, so it has the pointer first.
  if (board_->HitTest(event)) {
    return board_->HandleEvent(event);
  }
  if (supply_ != nullptr && supply_->HitTest(event)) {
    supply_->Highlight();
    return supply_->HandleEvent(event);
  }
  if (supply_ != nullptr) {
    supply_->Unhighlight();
  }
  return false;
}

void BoardHarness::PointAt(int position, int column, int supplyColumn) {
  pointerPosition_ = position;
  pointerColumn_ = column;
  supplyColumn_ = supplyColumn;
  // Every move is somewhere new, as far as the event is concerned.
  Send(OEvent::Mouse(OEvent::kMouseMove, 0, 0, ++pointerX_, 100));
}

void BoardHarness::Press(std::uint32_t type, std::uint32_t button) {
  Send(OEvent::Mouse(type, button, 0, pointerX_, 100));
}

void BoardHarness::Step(std::uint32_t elapsed, int frames) {
  for (int frame = 0; frame < frames; ++frame) {
    board_->Update(elapsed);
    if (supply_ != nullptr && Rules().LevelSetupDue()) {
      StartLevel();
    }
  }
}

int BoardHarness::FinishMove(std::uint32_t elapsed) {
  for (int frames = 0; frames < kMostFrames; ++frames) {
    const BoardState state = board_->State();
    if (state == BoardState::Idle || state == BoardState::Smashing || state == BoardState::GameOver ||
        manager_->LevelDone()) {
      return frames;
    }
    Step(elapsed);
  }
  ADD_FAILURE() << "the move never ended:\n" << Picture();
  return kMostFrames;
}

void BoardHarness::FinishIntro() {
  for (int frame = 0; frame < kMostFrames && board_->State() == BoardState::Intro; ++frame) {
    Step(16);
  }
  ASSERT_EQ(board_->State(), BoardState::Idle);
}

void BoardHarness::Paint(const std::vector<std::string>& picture) { BoardPicture::Paint(*board_, picture); }

void BoardHarness::PushRowNow() {
  PointAtSupply(0);
  Click();
  FinishMove();
}

std::string BoardHarness::Picture() const { return BoardPicture::Of(*board_); }

std::string BoardHarness::Tidy(const std::vector<std::string>& picture) {
  return BoardPicture::Tidy(picture);
}

std::string BoardHarness::SupplyPicture() const {
  std::string picture;
  for (int column = 0; column < static_cast<int>(supply_->CellCount()); ++column) {
    const BlockColour colour = supply_->BlockAtColumn(column).colour;
    picture += colour == kGoody ? '*' : ".YGRBM"[std::min<int>(colour, kMarker)];
  }
  return picture;
}

int BoardHarness::ColouredBlocks() const {
  int count = 0;
  for (int position = 0; position < board_->RingCount(); ++position) {
    for (int column = 0; column < board_->CellsPerRing(); ++column) {
      count += board_->RingAt(position).BlockAtColumn(column).colour != kEmpty ? 1 : 0;
    }
  }
  return count;
}
