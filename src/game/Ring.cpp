#include "game/Ring.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "game/ArrowList.h"
#include "game/BlockManager.h"
#include "game/BlockPrototypes.h"
#include "game/BlockRandom.h"
#include "game/BoardAudio.h"
#include "game/CellPicker.h"
#include "game/Cylinder.h"

namespace {

// A held ring speeds up to about this many milliseconds per step and no further.
constexpr float kFastestStepTime = 65.0f;

int Wrap(int value, int count) { return (value % count + count) % count; }

}  // namespace

Ring::Ring(std::uint32_t cellCount, float ringRadius, Cylinder* board)
    : OControl(0, false), radius_(ringRadius), cells_(cellCount == 0 ? 1 : cellCount), board_(board) {}

Ring::~Ring() = default;

bool Ring::Init() {
  BlockRandom& random = BlockRandom::Instance();
  blocks_.clear();
  blocks_.reserve(cells_);
  for (std::uint32_t cell = 0; cell < cells_; ++cell) {
    const BlockColour colour = random.Next();
    std::unique_ptr<Block> block = BlockPrototypes::Instance().ForColour(colour).Clone();
    PlaceBlock(*block, static_cast<std::uint16_t>(cell));
    block->colour = colour;
    block->SetParent(this);
    blocks_.push_back(std::move(block));
  }
  return true;
}

void Ring::PlaceBlock(Block& block, std::uint16_t cell) const {
  const double angle = cell * 2.0 * std::numbers::pi / cells_ + std::numbers::pi / 2.0;
  const float x = static_cast<float>(std::cos(angle) * radius_);
  const float y = static_cast<float>(std::sin(angle) * radius_);
  block.transform[12] = x;
  block.transform[13] = y;
  block.transform[14] = 0.0f;
  // Face the ring's axis with local Z and run local X along it; twice, because
  // the second turn moves the axis the first one set.
  for (int pass = 0; pass < 2; ++pass) {
    block.TurnToward(0.0f, 0.0f, 0.0f, block.transform[8], block.transform[9], block.transform[10]);
    block.TurnToward(x, y, 1.0f, block.transform[0], block.transform[1], block.transform[2]);
  }
}

bool Ring::IsEmpty() const {
  return std::all_of(blocks_.begin(), blocks_.end(),
                     [](const auto& block) { return block->colour == kEmpty; });
}

void Ring::Clear() {
  for (auto& block : blocks_) {
    block->colour = kEmpty;
    block->state = BlockState::Gone;
  }
}

int Ring::ColumnOf(int cell) const { return Wrap(offset_ + cell, static_cast<int>(cells_)); }

std::uint16_t Ring::IndexOfColumn(int column) const {
  return static_cast<std::uint16_t>(Wrap(column - offset_, static_cast<int>(cells_)));
}

void Ring::SetOffset(int offset) {
  offset_ = static_cast<std::int16_t>(Wrap(offset, static_cast<int>(cells_)));
}

void Ring::ReplaceBlock(std::uint16_t cell, std::unique_ptr<Block> block) {
  const Block& old = *blocks_[cell];
  std::copy(std::begin(old.transform), std::end(old.transform), std::begin(block->transform));
  std::copy(std::begin(old.halfExtents), std::end(old.halfExtents), std::begin(block->halfExtents));
  std::copy(std::begin(old.centre), std::end(old.centre), std::begin(block->centre));
  std::copy(std::begin(old.boxMin), std::end(old.boxMin), std::begin(block->boxMin));
  std::copy(std::begin(old.boxMax), std::end(old.boxMax), std::begin(block->boxMax));
  block->size = old.size;
  block->SetParent(this);
  blocks_[cell] = std::move(block);
}

void Ring::RestoreBlock(std::uint16_t cell, std::unique_ptr<Block> block) {
  block->SetParent(this);
  blocks_[cell] = std::move(block);
}

void Ring::Burst(std::uint32_t elapsed) {
  const float spread = 1.0f + static_cast<float>(elapsed) / radius_;
  for (auto& block : blocks_) {
    block->transform[12] *= spread;
    block->transform[13] *= spread;
    block->transform[14] = 0.0f;
  }
  radius_ += static_cast<float>(elapsed);
}

bool Ring::Pick(const OEvent& event, bool& overCell) {
  overCell = false;
  CellPicker* picker = board_ != nullptr ? board_->Picker() : nullptr;
  if (picker == nullptr || blocks_.empty()) {
    return false;
  }
  const std::int16_t cell = picker->Pick(*this, event);
  if (cell < 0 || static_cast<std::uint32_t>(cell) >= cells_) {
    return false;
  }
  hovered_ = cell;
  overCell = !IsEmpty();
  return blocks_[cell]->colour != kEmpty;
}

int Ring::PointerDirection(const OEvent& event) const {
  CellPicker* picker = board_ != nullptr ? board_->Picker() : nullptr;
  if (picker == nullptr) {
    return direction_;
  }
  return picker->Direction(*this, event) < 0 ? -1 : 1;
}

void Ring::ShowArrow(const OEvent& event) {
  OControl::Highlight();
  direction_ = PointerDirection(event);
  if (ArrowList* arrows = board_ != nullptr ? board_->Arrows() : nullptr) {
    arrows->ShowArrow(*this, direction_);
    arrowShown_ = true;
  }
}

void Ring::Unhighlight() {
  OControl::Unhighlight();
  if (!arrowShown_) {
    return;
  }
  arrowShown_ = false;
  if (ArrowList* arrows = board_ != nullptr ? board_->Arrows() : nullptr) {
    arrows->RetireArrow(*this);
  }
}

bool Ring::HandleEvent(const OEvent& event) {
  if (event.type == OEvent::kButtonDown && event.button == OEvent::kRight) {
    if (turn_ != RingTurn::Still) {
      return false;
    }
    StartTurning(PointerDirection(event), board_ != nullptr ? board_->GetTiming().stepTime : stepTime_);
    lastEvent_ = event;
    return true;
  }
  if (event.type == OEvent::kButtonUp && event.button == OEvent::kRight) {
    if (turn_ != RingTurn::Turning) {
      return false;
    }
    // A ring never stops between two steps: it finishes the one it is in.
    turn_ = RingTurn::Stopping;
    return true;
  }
  if (event.type == OEvent::kMouseMove && turn_ == RingTurn::Still) {
    const int direction = PointerDirection(event);
    if (direction != direction_) {
      direction_ = direction;
      if (arrowShown_) {
        if (ArrowList* arrows = board_ != nullptr ? board_->Arrows() : nullptr) {
          arrows->ShowArrow(*this, direction_);
        }
      }
    }
    return true;
  }
  return false;
}

void Ring::StartTurning(int turnDirection, float stepTime) {
  turn_ = RingTurn::Turning;
  direction_ = turnDirection < 0 ? -1 : 1;
  stepTime_ = stepTime;
}

void Ring::Update(std::uint32_t elapsed) {
  if (turn_ == RingTurn::Still) {
    return;
  }
  BlockManager* manager = board_ != nullptr ? board_->Manager() : nullptr;
  if (BoardAudio* audio = board_ != nullptr ? board_->Audio() : nullptr) {
    audio->PlaySound(BoardAudio::kRotateRing);
  }

  const float step = 2.0f * std::numbers::pi_v<float> / cells_;
  // However long the frame, a ring turns at most one step per update.
  const float increment = elapsed <= stepTime_ ? elapsed * step / stepTime_ : step;
  turned_ += increment;
  if (stepTime_ > kFastestStepTime && board_ != nullptr) {
    stepTime_ = std::max(kFastestStepTime, stepTime_ + elapsed * board_->GetTiming().turnAcceleration);
  }

  if (turned_ <= step) {
    RotateLocalZ(direction_ * increment);
    return;
  }
  // Turn only what is left of the step, so the ring lands exactly on a column.
  RotateLocalZ(direction_ * (step + increment - turned_));
  SetOffset(offset_ + direction_);
  turned_ = 0.0f;
  bool overCell = false;
  Pick(lastEvent_, overCell);
  if (manager != nullptr) {
    manager->RefreshHover();
  }
  if (turn_ == RingTurn::Stopping) {
    turn_ = RingTurn::Still;
    if (manager != nullptr) {
      manager->ClearHighlight();
    }
    // A turn can bring blocks over empty cells, so every stop is a move.
    if (board_ != nullptr && board_->State() != BoardState::CountingUp) {
      board_->SetState(BoardState::Falling);
    }
  }
}
