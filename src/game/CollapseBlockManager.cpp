#include "game/CollapseBlockManager.h"

#include <array>
#include <cstdio>

#include "game/ArrowList.h"
#include "game/BlockPrototypes.h"
#include "game/BlockRandom.h"
#include "game/BoardAudio.h"
#include "game/CollapseCylinder.h"
#include "game/GoodyTemplates.h"
#include "game/LevelDisplay.h"
#include "game/LevelRules.h"
#include "game/SupRing.h"
#include "game/TextList.h"

namespace {

const OColor4 kMessageColour{0.8f, 0.1f, 0.1f, 1.0f};
constexpr float kMessageSize = 12.0f;
constexpr std::array<float, 3> kLevelCompletedPosition{-42.0f, -13.0f, 0.0f};
constexpr std::array<float, 3> kNextLevelPosition{-19.0f, 20.0f, 0.0f};
constexpr std::uint32_t kPointsPerEmptyCell = 10;

}  // namespace

CollapseBlockManager::CollapseBlockManager(std::uint16_t startLevel) : rules_(&LevelRules::For(startLevel)) {
  level_ = startLevel;
}

void CollapseBlockManager::StartLevel(CollapseCylinder& board, SupRing& supply) {
  board.Link(*this);
  board.AttachSupplyRing(supply);
  supply_ = &supply;
  Init(level_);
  FetchLevelRules();
  supply.SetInterval(rules_->firstInterval);
  if (display_ != nullptr) {
    display_->ShowRowsLeft(rules_->rowsToClear);
    display_->ShowLevel(level_);
  }
  levelSetupDue_ = false;
}

void CollapseBlockManager::FetchLevelRules() {
  rules_ = &LevelRules::For(level_);
  BlockRandom::Instance().SetColours(rules_->colours);
  GoodyTemplates::Instance().SetWeights(rules_->goodyWeights);
}

void CollapseBlockManager::FinishLevel() {
  // Past the last level the number keeps growing while the pace stays the last level's.
  ++level_;
  levelSetupDue_ = true;
}

void CollapseBlockManager::Init(std::uint16_t level) {
  BlockManager::Init(level);
  rowsPushed_ = 0;
  markerPlaced_ = false;
  countColumn_ = 0;
  countPosition_ = static_cast<std::uint16_t>(board_ != nullptr ? board_->RingCount() - 1 : 0);
}

bool CollapseBlockManager::IsGameOver() { return !board_->RingAt(board_->RingCount() - 1).IsEmpty(); }

bool CollapseBlockManager::IsBoardCleared() {
  return board_->RingAt(0).IsEmpty() && (board_->RingCount() < 2 || board_->RingAt(1).IsEmpty());
}

void CollapseBlockManager::EndOfMove() {
  // The game is decided only when a row is due, never by a move.
  board_->SetState(BoardState::Idle);
  board_->HitTest(board_->LastEvent());
  RefreshHover();
}

void CollapseBlockManager::PushRow() {
  ClearHighlight();
  if (rowsPushed_ >= rules_->rowsToClear) {
    CompleteLevel();
    return;
  }
  if (IsGameOver()) {
    Lose();
    return;
  }
  if (!board_->RingAt(board_->RingCount() - 2).IsEmpty() && Audio() != nullptr) {
    // One more row will lose unless the player clears the ring under the top.
    Audio()->PlaySound(BoardAudio::kAlarm);
  }
  MoveRowsUp();
  FillBottomRing();

  ++rowsPushed_;
  if (display_ != nullptr) {
    display_->ShowRowsLeft(rules_->rowsToClear - rowsPushed_);
  }
  const std::uint32_t speedUp = (rules_->firstInterval - rules_->lastInterval) / rules_->rowsToClear;
  supply_->SetInterval(rules_->firstInterval - speedUp * rowsPushed_);

  // The blocks moved under a pointer that did not.
  board_->HitTest(board_->LastEvent());
  RefreshHover();
}

void CollapseBlockManager::CompleteLevel() {
  levelDone_ = true;
  supply_->Stop();
  if (Arrows() != nullptr) {
    Arrows()->Clear();
  }
  if (FloatingTexts() != nullptr) {
    FloatingTexts()->Clear();
  }
  if (LongTexts() != nullptr) {
    LongTexts()->Add("Level Completed", kLevelCompletedPosition, kMessageColour, kMessageSize);
  }
}

void CollapseBlockManager::Lose() {
  if (board_->ActiveRing() != -1) {
    board_->RingInSlot(board_->ActiveRing()).SetTurnState(RingTurn::Still);
  }
  board_->ForgetActiveRing();
  board_->SetState(BoardState::Smashing);
  if (Audio() != nullptr) {
    Audio()->StopMusic();
    Audio()->PlaySound(BoardAudio::kSmashRing);
  }
  supply_->Stop();
  if (Arrows() != nullptr) {
    Arrows()->Clear();
  }
  if (FloatingTexts() != nullptr) {
    FloatingTexts()->Clear();
  }
}

void CollapseBlockManager::MoveRowsUp() {
  // A row always moves whole: its empty cells move up as empty cells.
  for (int position = board_->RingCount() - 2; position >= 0; --position) {
    if (board_->RingAt(position).IsEmpty()) {
      continue;
    }
    for (int column = 0; column < board_->CellsPerRing(); ++column) {
      MoveBlock(position, column, position + 1, column);
    }
  }
}

void CollapseBlockManager::FillBottomRing() {
  Ring& bottom = board_->RingAt(0);
  for (int column = 0; column < board_->CellsPerRing(); ++column) {
    bottom.ReplaceBlock(bottom.IndexOfColumn(column), supply_->BlockAtColumn(column).Clone());
  }
}

void CollapseBlockManager::CountStep() {
  if (!markerPlaced_) {
    if (SeekEmptyCell(true)) {
      PlaceCountMarker();
    } else {
      FinishCount();
    }
    return;
  }
  const int fromPosition = countPosition_;
  const int fromColumn = countColumn_;
  if (!SeekEmptyCell(false)) {
    FinishCount();
    return;
  }
  // The marker is an empty cell that shows, so the count passes over it like any other.
  MoveBlock(fromPosition, fromColumn, countPosition_, countColumn_);
  if (Audio() != nullptr) {
    Audio()->PlaySound(BoardAudio::kCountPoints);
  }
  score_ += skill_->scoreFactor * kPointsPerEmptyCell;
  board_->Notify(OControl::kScoreChanged);
}

void CollapseBlockManager::PlaceCountMarker() {
  std::unique_ptr<Block> marker = BlockPrototypes::Instance().ForColour(kMarker).Clone();
  marker->colour = kEmpty;
  marker->state = BlockState::Resting;
  Ring& ring = board_->RingAt(countPosition_);
  ring.ReplaceBlock(ring.IndexOfColumn(countColumn_), std::move(marker));
  markerPlaced_ = true;
}

bool CollapseBlockManager::AdvanceCursor() {
  if (++countColumn_ < board_->CellsPerRing()) {
    return true;
  }
  countColumn_ = 0;
  if (countPosition_ == 0) {
    return false;
  }
  --countPosition_;
  return true;
}

bool CollapseBlockManager::SeekEmptyCell(bool includeCurrent) {
  if (!includeCurrent && !AdvanceCursor()) {
    return false;
  }
  while (board_->RingAt(countPosition_).BlockAtColumn(countColumn_).colour != kEmpty) {
    if (!AdvanceCursor()) {
      return false;
    }
  }
  return true;
}

void CollapseBlockManager::FinishCount() {
  board_->SetState(BoardState::LevelEnding);
  countPosition_ = static_cast<std::uint16_t>(board_->RingCount() - 1);
  countColumn_ = 0;
  if (LongTexts() != nullptr) {
    char text[32];
    std::snprintf(text, sizeof text, "Level %u", static_cast<unsigned>(level_ + 1));
    LongTexts()->Add(text, kNextLevelPosition, kMessageColour, kMessageSize);
  }
  if (Audio() != nullptr) {
    Audio()->PlaySound(BoardAudio::kLevelOver);
  }
}
