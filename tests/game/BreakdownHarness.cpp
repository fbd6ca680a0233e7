#include "BreakdownHarness.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "BoardPicture.h"
#include "app/OConfig.h"
#include "game/BlockRandom.h"
#include "gfx/OModelManager.h"

namespace {

// Stands in for every board's own frame limit: no move or intro takes this many frames.
constexpr int kMostFrames = 100000;

}  // namespace

BreakdownHarness::BreakdownHarness(Options options) : rules_(options.startLevel) {
  // The model cache reads the settings file when it starts; it must not undo the settings made here.
  OModelManager::Instance();
  OConfig::Instance().skill = options.skill;
  OConfig::Instance().showGroups = true;
  BlockRandom::Instance().Seed(options.seed);
  supply_.SeedChance(options.chanceSeed);
  supply_.owner = this;
  supply_.Init();
  supply_.Stop();
  rules_.SetAudio(this);
  rules_.SetArrows(this);
  rules_.SetButtons(this);
  rules_.SetFloatingTexts(&floating);
  rules_.SetLongTexts(&messages);
  rules_.SetDisplay(this);
  StartLevel();
}

BreakdownHarness::~BreakdownHarness() = default;

void BreakdownHarness::StartLevel() {
  // The old board lets go of the supply ring before the new one takes it.
  board_.reset();
  board_ = std::make_unique<CollapseCylinder>();
  board_->owner = this;
  board_->SetPicker(this);
  rules_.StartLevel(*board_, supply_);
  EXPECT_TRUE(board_->Init());
  board_->RaiseRings();
  ++levelsStarted_;
}

void BreakdownHarness::FinishIntro(std::uint32_t elapsed) {
  for (int frame = 0; frame < kMostFrames && board_->State() == BoardState::Intro; ++frame) {
    Step(elapsed);
  }
  ASSERT_EQ(board_->State(), BoardState::Idle);
}

void BreakdownHarness::Paint(const std::vector<std::string>& picture) {
  BoardPicture::Paint(*board_, picture);
}

void BreakdownHarness::Step(std::uint32_t elapsed, int frames) {
  for (int frame = 0; frame < frames; ++frame) {
    board_->Update(elapsed);
    if (rules_.LevelSetupDue()) {
      StartLevel();
    }
  }
}

void BreakdownHarness::FinishMove(std::uint32_t elapsed) {
  for (int frame = 0; frame < kMostFrames; ++frame) {
    const BoardState state = board_->State();
    if (state == BoardState::Idle || state == BoardState::Smashing || state == BoardState::GameOver ||
        rules_.LevelDone()) {
      return;
    }
    Step(elapsed);
  }
  ADD_FAILURE() << "the move never ended:\n" << Picture();
}

std::int16_t BreakdownHarness::Pick(const Ring& ring, const OEvent& /*event*/) {
  if (pointerPosition_ < 0) {
    return -1;
  }
  const int position = Cylinder::PositionOfSlot(board_->SlotOf(ring), board_->RingCount());
  return position == pointerPosition_ ? static_cast<std::int16_t>(ring.IndexOfColumn(pointerColumn_)) : -1;
}

std::int16_t BreakdownHarness::FirstCellHit(const Ring& ring, const OEvent& /*event*/) {
  return supplyColumn_ >= 0 ? static_cast<std::int16_t>(ring.IndexOfColumn(supplyColumn_)) : -1;
}

bool BreakdownHarness::OnCommand(std::uint32_t /*id*/, std::uint32_t code) {
  commands.push_back(code);
  // As the screen does when it hands the result to the score screen.
  if (code == OControl::kGameFinished) {
    board_->SetState(BoardState::GameOver);
  }
  return true;
}

bool BreakdownHarness::Send(const OEvent& event) {
  // The board was added after the supply ring, so it has the pointer first.
  if (board_->HitTest(event)) {
    return board_->HandleEvent(event);
  }
  if (supply_.HitTest(event)) {
    supply_.Highlight();
    return supply_.HandleEvent(event);
  }
  supply_.Unhighlight();
  return false;
}

void BreakdownHarness::PointAt(int position, int column) {
  pointerPosition_ = position;
  pointerColumn_ = column;
  supplyColumn_ = -1;
  Send(OEvent::Mouse(OEvent::kMouseMove, 0, 0, ++pointerX_, 100));
}

void BreakdownHarness::PointAtSupply(int column) {
  pointerPosition_ = -1;
  supplyColumn_ = column;
  Send(OEvent::Mouse(OEvent::kMouseMove, 0, 0, ++pointerX_, 300));
}

void BreakdownHarness::PointAway() {
  pointerPosition_ = -1;
  supplyColumn_ = -1;
  Send(OEvent::Mouse(OEvent::kMouseMove, 0, 0, ++pointerX_, 100));
}

void BreakdownHarness::Click() {
  Send(OEvent::Mouse(OEvent::kButtonDown, OEvent::kLeft, 0, pointerX_, 100));
  Send(OEvent::Mouse(OEvent::kButtonUp, OEvent::kLeft, 0, pointerX_, 100));
}

void BreakdownHarness::PushRowNow() {
  PointAtSupply(0);
  Click();
  FinishMove();
}

std::string BreakdownHarness::Picture() const { return BoardPicture::Of(*board_); }

std::string BreakdownHarness::SupplyPicture() const {
  std::string picture;
  for (int column = 0; column < static_cast<int>(supply_.CellCount()); ++column) {
    const BlockColour colour = supply_.BlockAtColumn(column).colour;
    picture += colour == kGoody ? '*' : ".YGRBM"[std::min<int>(colour, kMarker)];
  }
  return picture;
}

int BreakdownHarness::Count(const std::vector<std::uint32_t>& list, std::uint32_t value) const {
  return static_cast<int>(std::count(list.begin(), list.end(), value));
}
