#include "game/SupRing.h"

#include "game/BlockPrototypes.h"
#include "game/BlockRandom.h"
#include "game/BoardAudio.h"
#include "game/CellPicker.h"
#include "game/CollapseBlockManager.h"
#include "game/CollapseCylinder.h"
#include "game/GoodyTemplates.h"
#include "game/LevelRules.h"

namespace {

// Every level gives weight to at least two goodies, so a different one turns up
// long before this; the bound only keeps a broken table from hanging the game.
constexpr int kMostGoodyDraws = 10000;

}  // namespace

SupRing::SupRing() : Ring(kCells, kRadius), chance_(std::random_device{}()) {}

void SupRing::Serve(CollapseCylinder* board) {
  board_ = board;
  SetBoard(board);
}

CollapseBlockManager* SupRing::Rules() const { return board_ != nullptr ? board_->Rules() : nullptr; }

void SupRing::Start() {
  Clear();
  fillColumn_ = IndexOfColumn(0);
  filled_ = 0;
  clock_ = 0;
  sinceGoody_ = 0;
  stopped_ = false;
}

void SupRing::Update(std::uint32_t elapsed) {
  if (stopped_ || Rules() == nullptr) {
    return;
  }
  clock_ += elapsed;
  if (clock_ <= interval_) {
    return;
  }
  if (filled_ >= CellCount()) {
    PushWhenBoardRests();
    return;
  }
  AddNextBlock();
  if (BoardAudio* audio = board_->Audio()) {
    audio->PlaySound(BoardAudio::kAddBlock);
  }
  clock_ = 0;
}

void SupRing::PushWhenBoardRests() {
  const int active = board_->ActiveRing();
  if (active != -1 && board_->RingInSlot(active).TurnState() == RingTurn::Turning) {
    // The row must not come in under a turning ring; it waits for the step to end.
    board_->RingInSlot(active).SetTurnState(RingTurn::Stopping);
    return;
  }
  if (board_->State() != BoardState::Idle) {
    return;
  }
  clock_ = 0;
  PushRow();
}

void SupRing::PushRow() {
  fillColumn_ = IndexOfColumn(0);
  filled_ = 0;
  if (BoardAudio* audio = board_->Audio()) {
    audio->PlayGroup(BoardAudio::kAddRowGroup);
  }
  Rules()->PushRow();
  Clear();
}

bool SupRing::HandleEvent(const OEvent& event) {
  if (event.type != OEvent::kButtonDown || event.button != OEvent::kLeft) {
    return false;
  }
  if (stopped_ || Rules() == nullptr || board_->State() != BoardState::Idle) {
    return false;
  }
  while (filled_ < CellCount()) {
    AddNextBlock();
  }
  PushRow();
  return true;
}

bool SupRing::HitTest(const OEvent& event) {
  // The board is in front of the supply ring, so it has the pointer first.
  if (stopped_ || board_ == nullptr || board_->ActiveRing() != -1) {
    return false;
  }
  CellPicker* picker = board_->Picker();
  return picker != nullptr && picker->FirstCellHit(*this, event) >= 0;
}

void SupRing::AddNextBlock() {
  const LevelRules& rules = Rules()->Rules();
  std::unique_ptr<Block> block;
  if (sinceGoody_ < rules.goodyGap) {
    block = MakePlainBlock();
  } else {
    const bool goody = GoodyChanceComes();
    sinceGoody_ = 0;
    block = goody ? MakeGoody() : MakePlainBlock();
  }
  ReplaceBlock(static_cast<std::uint16_t>(fillColumn_ % CellCount()), std::move(block));
  ++filled_;
  ++fillColumn_;
}

bool SupRing::GoodyChanceComes() {
  const float chance = Rules()->Rules().goodyChance;
  return std::uniform_real_distribution<float>(0.0f, 1.0f)(chance_) < chance;
}

std::unique_ptr<Block> SupRing::MakeMarker() const {
  std::unique_ptr<Block> marker = BlockPrototypes::Instance().ForColour(kMarker).Clone();
  marker->colour = kMarker;
  return marker;
}

bool SupRing::MarkersDue() const { return Rules()->RowsPushed() == Rules()->Rules().rowsToClear; }

std::unique_ptr<Block> SupRing::MakePlainBlock() {
  ++sinceGoody_;
  if (MarkersDue()) {
    return MakeMarker();
  }
  const BlockColour colour = BlockRandom::Instance().Next();
  std::unique_ptr<Block> block = BlockPrototypes::Instance().ForColour(colour).Clone();
  block->colour = colour;
  return block;
}

std::unique_ptr<Block> SupRing::MakeGoody() {
  if (MarkersDue()) {
    return MakeMarker();
  }
  const GoodyTemplates& goodies = GoodyTemplates::Instance();
  const Bonus* goody = nullptr;
  // Two goodies in a row always differ.
  for (int draw = 0; draw < kMostGoodyDraws && (goody == nullptr || goody == lastGoody_); ++draw) {
    goody = goodies.PickGoody(BlockRandom::Instance());
  }
  if (goody == nullptr) {
    return MakePlainBlock();
  }
  lastGoody_ = goody;
  return goody->Clone();
}
