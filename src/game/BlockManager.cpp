#include "game/BlockManager.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <numbers>

#include "core/OConfig.h"
#include "game/ArrowList.h"
#include "game/BlockRandom.h"
#include "game/BoardAudio.h"
#include "game/BoardButtons.h"
#include "game/Cylinder.h"
#include "game/EffectList.h"
#include "game/Explosion.h"
#include "game/GroupTable.h"
#include "game/TextList.h"

namespace {

const OColor4 kScoreColour{0.1f, 0.1f, 0.8f, 1.0f};
constexpr float kScoreTextSize = 8.0f;
const OColor4 kMessageColour{0.8f, 0.1f, 0.1f, 1.0f};
constexpr float kMessageSize = 12.0f;
constexpr std::array<float, 3> kMessagePosition{-25.0f, -6.0f, 0.0f};
// A shift step counts as done once the angle left is below this.
constexpr double kShiftTolerance = 0.01;

bool IsFull(const Ring& ring) {
  for (std::uint32_t cell = 0; cell < ring.CellCount(); ++cell) {
    if (ring.BlockAt(static_cast<std::uint16_t>(cell)).colour == kEmpty) {
      return false;
    }
  }
  return true;
}

// The ring is closed, so a run may go on across column 0.
std::uint32_t LongestRun(const Ring& ring, BlockColour colour) {
  const std::uint32_t cells = ring.CellCount();
  std::uint32_t longest = 0;
  std::uint32_t run = 0;
  for (std::uint32_t step = 0; step < 2 * cells; ++step) {
    run = ring.BlockAt(static_cast<std::uint16_t>(step % cells)).colour == colour ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  return std::min(longest, cells);
}

}  // namespace

BlockManager::BlockManager() : skill_(&SkillRules::For(SkillRules::kEasy)) {}

BlockManager::~BlockManager() = default;

void BlockManager::Init(std::uint16_t level) {
  removable_ = false;
  groupCount_ = 0;
  goodyClicked_ = false;
  hoveredCell_ = -1;
  hoveredRing_ = -1;
  levelDone_ = false;
  fallClock_ = shiftClock_ = introClock_ = endClock_ = 0;
  fallOffset_ = 0.0f;
  shiftAngle_ = 0.0;
  level_ = level;
  columnMoving_.assign(board_ != nullptr ? board_->CellsPerRing() : 0, 0);
  skill_ = &SkillRules::For(OConfig::Instance().skill);
  BlockRandom::Instance().SetColours(skill_->colours);
}

void BlockManager::ClearVisited() {
  for (int slot = 0; slot < board_->RingCount(); ++slot) {
    Ring& ring = board_->RingInSlot(slot);
    for (std::uint32_t cell = 0; cell < ring.CellCount(); ++cell) {
      ring.BlockAt(static_cast<std::uint16_t>(cell)).visited = false;
    }
  }
}

void BlockManager::RefreshHover() {
  if (board_ == nullptr) {
    return;
  }
  ClearHighlight();
  ClearVisited();
  GroupTable& table = GroupTable::Instance();
  table.Clear();
  groupCount_ = 0;

  const int slot = board_->HoveredRing();
  const int cell = slot != -1 ? board_->RingInSlot(slot).HoveredCell() : -1;
  if (cell != -1) {
    Block& block = board_->RingInSlot(slot).BlockAt(static_cast<std::uint16_t>(cell));
    goodyClicked_ = block.colour == kGoody;
    block.Collect(static_cast<std::uint16_t>(slot), static_cast<std::uint16_t>(cell), block.colour,
                  groupCount_, *board_);
    ++groupCount_;
  }

  removable_ = false;
  if (!OConfig::Instance().showGroups || cell == -1) {
    return;
  }
  const GroupTable::Member hovered{static_cast<std::uint16_t>(slot), static_cast<std::uint16_t>(cell)};
  for (std::uint16_t group = 0; group < groupCount_; ++group) {
    if (table.Size(group) >= skill_->minimumGroup && table.Contains(group, hovered)) {
      removable_ = true;
      return;
    }
  }
}

bool BlockManager::HoverChanged() {
  const int slot = board_ != nullptr ? board_->HoveredRing() : -1;
  if (slot == -1) {
    if (hoveredRing_ != -1) {
      ClearHighlight();
    }
    hoveredRing_ = -1;
    hoveredCell_ = -1;
    return false;
  }
  const std::int16_t cell = board_->RingInSlot(slot).HoveredCell();
  if (slot == hoveredRing_ && cell == hoveredCell_) {
    return false;
  }
  hoveredRing_ = static_cast<std::int16_t>(slot);
  hoveredCell_ = cell;
  return true;
}

void BlockManager::ForgetHover() {
  hoveredRing_ = -1;
  hoveredCell_ = -1;
}

void BlockManager::ApplyHighlight() {
  const GroupTable& table = GroupTable::Instance();
  for (std::uint16_t group = 0; group < groupCount_; ++group) {
    if (table.Size(group) < 2) {
      continue;
    }
    for (const GroupTable::Member& member : table.Members(group)) {
      board_->RingInSlot(member.slot).BlockAt(member.cell).SetAlpha(1.0f);
    }
  }
}

void BlockManager::ClearHighlight() {
  if (!removable_ || groupCount_ == 0 || board_ == nullptr) {
    return;
  }
  const GroupTable& table = GroupTable::Instance();
  for (std::uint16_t group = 0; group < groupCount_; ++group) {
    for (const GroupTable::Member& member : table.Members(group)) {
      board_->RingInSlot(member.slot).BlockAt(member.cell).SetAlpha(0.0f);
    }
  }
  removable_ = false;
}

void BlockManager::ClickGroup() {
  if (board_ == nullptr) {
    return;
  }
  const int slot = board_->HoveredRing();
  const int cell = slot != -1 ? board_->RingInSlot(slot).HoveredCell() : -1;
  if (cell != -1 && audio_ != nullptr) {
    const Block& block = board_->RingInSlot(slot).BlockAt(static_cast<std::uint16_t>(cell));
    if (block.colour != kEmpty) {
      audio_->PlayGroup(block.soundGroup);
    }
  }
  Remove(skill_->minimumGroup);
  // Even a click that removed nothing is a move: it ends with the end-of-game test.
  ClearHighlight();
  fallClock_ = 0;
  fallOffset_ = 0.0f;
  board_->SetState(BoardState::Falling);
}

void BlockManager::Remove(std::uint16_t minimumGroup) {
  GroupTable& table = GroupTable::Instance();
  std::uint32_t total = 0;
  for (std::uint16_t group = 0; group < groupCount_; ++group) {
    const std::size_t size = table.Size(group);
    if (size < minimumGroup) {
      continue;
    }
    total += static_cast<std::uint32_t>(size);
    for (const GroupTable::Member& member : table.Members(group)) {
      Block& block = board_->RingInSlot(member.slot).BlockAt(member.cell);
      const BlockColour former = block.colour;
      block.colour = kEmpty;
      if (goodyClicked_) {
        block.state = BlockState::Gone;
        auto explosion = std::make_unique<Explosion>();
        explosion->origin = block.GetWorldPosition();
        explosion->AddParticles(kExplosionSparks, former);
        EffectList::Instance().Add(std::move(explosion));
      } else {
        block.state = BlockState::Vanishing;
      }
    }
  }
  if (total > 0) {
    AddScore(total, minimumGroup);
  }
}

void BlockManager::AddScore(std::uint32_t blocks, std::uint16_t minimumGroup) {
  if (IsBoardCleared()) {
    blocks += 10u + minimumGroup;
    if (audio_ != nullptr) {
      audio_->PlaySound(BoardAudio::kExtraPoints);
    }
  }
  const std::uint32_t factor = skill_->scoreFactor;
  const std::uint32_t m = minimumGroup;
  // Bigger groups are worth more per block, so it pays to build them up first.
  if (blocks >= m && blocks < m + 2) {
    score_ += factor * blocks * 10;
  } else if (blocks >= m + 2 && blocks < m + 4) {
    score_ += factor * blocks * 20;
  } else if (blocks >= m + 4) {
    score_ += factor * blocks * 50;
    const int slot = board_->HoveredRing();
    const int cell = slot != -1 ? board_->RingInSlot(slot).HoveredCell() : -1;
    if (cell != -1 && floatingTexts_ != nullptr) {
      char text[16];
      std::snprintf(text, sizeof text, "%u", blocks * 50);
      const Block& block = board_->RingInSlot(slot).BlockAt(static_cast<std::uint16_t>(cell));
      floatingTexts_->Add(text, block.GetWorldPosition(), kScoreColour, kScoreTextSize);
    }
  }
  board_->Notify(OControl::kScoreChanged);
}

void BlockManager::FallFrame(std::uint32_t elapsed) {
  const std::uint32_t fallTime = board_->GetTiming().fallTime;
  fallClock_ += elapsed;
  if (fallClock_ < fallTime) {
    const float offset = static_cast<float>(fallClock_) * board_->Spacing() / static_cast<float>(fallTime);
    Fall(false, offset - fallOffset_);
    fallOffset_ = offset;
  } else {
    fallClock_ = 0;
    Fall(true, fallOffset_);
    fallOffset_ = 0.0f;
  }
  if (board_->State() != BoardState::Falling) {
    // The next fall starts from the blocks' resting height.
    fallOffset_ = 0.0f;
  }
}

void BlockManager::Fall(bool final, float distance) {
  const int cells = board_->CellsPerRing();
  const int rings = board_->RingCount();
  if (columnMoving_.size() != static_cast<std::size_t>(cells)) {
    columnMoving_.assign(cells, 0);
  }
  bool anyMoving = false;
  for (int column = 0; column < cells; ++column) {
    int gap = 0;
    bool moving = false;
    for (int position = 0; position < rings; ++position) {
      Block& block = board_->RingAt(position).BlockAtColumn(column);
      if (block.colour == kEmpty) {
        ++gap;
        continue;
      }
      if (gap == 0) {
        continue;
      }
      moving = true;
      if (final) {
        block.transform[14] = 0.0f;
        MoveBlock(position, column, position - 1, column);
      } else {
        block.transform[14] -= distance;
      }
    }
    if (columnMoving_[column] != 0 && !moving && audio_ != nullptr) {
      audio_->PlayGroup(BoardAudio::kLandingGroup);
    }
    columnMoving_[column] = moving ? 1 : 0;
    anyMoving = anyMoving || moving;
  }
  if (!anyMoving) {
    fallClock_ = 0;
    shiftClock_ = 0;
    shiftAngle_ = 0.0;
    board_->SetState(BoardState::Shifting);
  }
}

void BlockManager::MoveBlock(int fromPosition, int fromColumn, int toPosition, int toColumn) {
  Ring& from = board_->RingAt(fromPosition);
  Ring& to = board_->RingAt(toPosition);
  Block& source = from.BlockAtColumn(fromColumn);
  to.ReplaceBlock(to.IndexOfColumn(toColumn), source.Clone());
  source.colour = kEmpty;
  source.state = BlockState::Gone;
}

void BlockManager::ShiftFrame(std::uint32_t elapsed) {
  const double step = 2.0 * std::numbers::pi / board_->CellsPerRing();
  shiftClock_ += elapsed;
  if (step - shiftAngle_ > kShiftTolerance) {
    double angle = shiftClock_ * step / board_->GetTiming().shiftTime;
    if (angle > step) {
      angle = step;
    }
    Shift(false, angle - shiftAngle_);
    shiftAngle_ = angle;
  } else {
    shiftClock_ = 0;
    Shift(true, shiftAngle_);
    shiftAngle_ = 0.0;
  }
}

void BlockManager::Shift(bool final, double angle) {
  // Only the bottom ring needs looking at: nothing stands above an empty cell.
  const Ring& bottom = board_->RingAt(0);
  const int cells = board_->CellsPerRing();
  auto empty = [&](int column) { return bottom.BlockAtColumn(column).colour == kEmpty; };

  bool previousEmpty = empty(cells - 1);
  int k = 0;
  int lastBefore[2] = {-1, -1};  // last filled column before a gap
  int firstAfter[2] = {-1, -1};  // first filled column after a gap
  for (int column = 0; column < cells; ++column) {
    const bool isEmpty = empty(column);
    if (isEmpty && !previousEmpty) {
      lastBefore[k] = (column - 1 + cells) % cells;
      k = 1 - k;
    } else if (!isEmpty && previousEmpty) {
      firstAfter[k] = column;
    }
    previousEmpty = isEmpty;
  }
  if (firstAfter[0] == -1 || firstAfter[1] == -1) {
    EndOfMove();
    return;
  }

  shiftMoved_ = false;
  if (firstAfter[0] < firstAfter[1]) {
    // The walk began inside a gap that wraps past column 0.
    MoveRun(firstAfter[0], lastBefore[0], 0, final, angle);
    MoveRun(firstAfter[1], lastBefore[1], cells - 1, final, angle);
  } else if (lastBefore[0] == cells - 1) {
    MoveRun(firstAfter[1], lastBefore[1], 0, final, angle);
    MoveRun(firstAfter[0], lastBefore[0], cells - 1, final, angle);
  } else if (firstAfter[1] - lastBefore[0] >= firstAfter[0] - lastBefore[1]) {
    // Close the narrower of the two gaps around the run.
    MoveRun(firstAfter[1], lastBefore[1], firstAfter[0] - 1, final, angle);
  } else {
    MoveRun(firstAfter[1], lastBefore[1], lastBefore[0] + 1, final, angle);
  }
  // A layout in which no run can move would otherwise keep the board shifting for ever.
  if (final && !shiftMoved_) {
    EndOfMove();
  }
}

void BlockManager::MoveRun(int first, int last, int target, bool final, double angle) {
  if (first == target || last == target) {
    return;
  }
  if (target < first) {
    for (int column = first; column <= last; ++column) {
      shiftMoved_ = MoveColumn(column, -1, final, angle) || shiftMoved_;
    }
  } else {
    for (int column = last; column >= first; --column) {
      shiftMoved_ = MoveColumn(column, +1, final, angle) || shiftMoved_;
    }
  }
}

bool BlockManager::MoveColumn(int column, int delta, bool final, double angle) {
  bool moved = false;
  for (int position = 0; position < board_->RingCount(); ++position) {
    Block& block = board_->RingAt(position).BlockAtColumn(column);
    if (block.colour == kEmpty) {
      break;
    }
    moved = true;
    if (final) {
      // Back to its own cell first: the cell object stays behind and lends its place later.
      block.RotateWorldZ(static_cast<float>(-delta * angle));
      MoveBlock(position, column, position, column + delta);
    } else {
      block.RotateWorldZ(static_cast<float>(delta * angle));
    }
  }
  return moved;
}

void BlockManager::EndOfMove() {
  board_->SetState(BoardState::Idle);
  if (!IsGameOver()) {
    // The layout changed under a pointer that did not move.
    board_->HitTest(board_->LastEvent());
    RefreshHover();
    return;
  }
  if (audio_ != nullptr) {
    audio_->StopMusic();
  }
  won_ = board_->RingAt(0).IsEmpty();
  if (audio_ != nullptr) {
    audio_->PlaySound(won_ ? BoardAudio::kWin : BoardAudio::kLose);
  }
  board_->SetState(BoardState::GameOver);
  if (buttons_ != nullptr) {
    buttons_->EnableRotateButtons(false);
    buttons_->EnableMenuButton(false);
  }
  if (arrows_ != nullptr) {
    arrows_->Clear();
  }
  if (longTexts_ != nullptr) {
    longTexts_->Add(won_ ? "You win!!!" : "Try again", kMessagePosition, kMessageColour, kMessageSize);
  }
}

bool BlockManager::IsGameOver() {
  const std::uint16_t minimum = skill_->minimumGroup;
  std::array<std::uint32_t, kBlue + 1> counts{};
  for (int slot = 0; slot < board_->RingCount(); ++slot) {
    const Ring& ring = board_->RingInSlot(slot);
    for (std::uint32_t cell = 0; cell < ring.CellCount(); ++cell) {
      const BlockColour colour = ring.BlockAt(static_cast<std::uint16_t>(cell)).colour;
      if (colour >= kYellow && colour <= kBlue) {
        ++counts[colour];
      }
    }
  }
  // Too few of a colour left to ever make a group: the board can no longer be cleared.
  for (BlockColour colour = kYellow; colour <= kBlue; ++colour) {
    if (counts[colour] > 0 && counts[colour] < minimum) {
      return true;
    }
  }
  return !GroupCanStillForm();
}

// Turns only ever move blocks round or down. A board whose rings below the top
// filled one are all full is as low as it gets: every turn from then on only
// lines the rings up differently, and each ring can be lined up with the next
// as the player likes. Any other board has a ring with a gap under blocks, and
// some turn of it lets them fall, so it goes on.
bool BlockManager::GroupCanStillForm() const {
  int top = board_->RingCount() - 1;
  while (top >= 0 && board_->RingAt(top).IsEmpty()) {
    --top;
  }
  for (int position = 0; position < top; ++position) {
    if (!IsFull(board_->RingAt(position))) {
      return true;
    }
  }
  // The longest run of a colour in each ring can be lined up with one in the
  // ring above, so a chain of rings that all hold the colour joins their longest
  // runs. Nothing bigger can form while a group needs at most four blocks: a run
  // that joins two runs of the next ring is at least three long, and together
  // with that ring already makes four.
  for (BlockColour colour = kYellow; colour <= kBlue; ++colour) {
    std::uint32_t chain = 0;
    for (int position = 0; position <= top; ++position) {
      const std::uint32_t run = LongestRun(board_->RingAt(position), colour);
      chain = run > 0 ? chain + run : 0;
      if (chain >= skill_->minimumGroup) {
        return true;
      }
    }
  }
  return false;
}

bool BlockManager::AdvanceEndClock(std::uint32_t elapsed) {
  endClock_ += elapsed;
  if (endClock_ <= Cylinder::kGameOverTime) {
    return false;
  }
  endClock_ = 0;
  return true;
}
