#include "game/RemoverRules.h"

#include <algorithm>

#include "game/BoardAudio.h"
#include "game/BoardButtons.h"
#include "game/Cylinder.h"
#include "game/TextList.h"

void RemoverRules::Init(std::uint16_t level) {
  BlockManager::Init(level);
  score_ = 0;
  won_ = false;
  positions_.clear();
  current_ = 0;
  removing_ = false;
}

void RemoverRules::IntroOver() {
  BlockManager::IntroOver();
  positions_.clear();
  positions_.push_back({BoardSnapshot(*board_), score_});
  current_ = 0;
}

void RemoverRules::ClickGroup() {
  // A click on no group changes nothing, so it is no move to take back.
  removing_ = removable_ && !positions_.empty();
  BlockManager::ClickGroup();
}

void RemoverRules::EndOfMove() {
  BlockManager::EndOfMove();
  if (!removing_) {
    return;
  }
  removing_ = false;
  // A new move ends the moves that were taken back.
  positions_.erase(positions_.begin() + static_cast<std::ptrdiff_t>(current_ + 1), positions_.end());
  positions_.push_back({BoardSnapshot(*board_), score_});
  current_ = positions_.size() - 1;
}

bool RemoverRules::AtRest() const {
  if (board_ == nullptr || (board_->State() != BoardState::Idle && board_->State() != BoardState::GameOver)) {
    return false;
  }
  for (int slot = 0; slot < board_->RingCount(); ++slot) {
    if (board_->RingInSlot(slot).TurnState() != RingTurn::Still) {
      return false;
    }
  }
  return true;
}

bool RemoverRules::CanUndo() const { return current_ > 0; }

bool RemoverRules::CanRedo() const { return current_ + 1 < positions_.size(); }

bool RemoverRules::Undo() {
  if (!CanUndo() || !AtRest()) {
    return false;
  }
  Restore(positions_[--current_]);
  return true;
}

bool RemoverRules::Redo() {
  if (!CanRedo() || !AtRest()) {
    return false;
  }
  Restore(positions_[++current_]);
  return true;
}

void RemoverRules::Restore(const Position& position) {
  if (board_->State() == BoardState::GameOver) {
    // Back into play: the end's message, its silence and its locked buttons go.
    endClock_ = 0;
    if (LongTexts() != nullptr) {
      LongTexts()->Clear();
    }
    if (Buttons() != nullptr) {
      Buttons()->EnableRotateButtons(true);
      Buttons()->EnableMenuButton(true);
    }
    if (Audio() != nullptr) {
      Audio()->ResumeMusic();
    }
  }
  ClearHighlight();
  position.board.Restore(*board_);
  score_ = position.score;
  won_ = false;
  removing_ = false;
  // As at the end of any move: the group under the pointer, or the end of the game.
  BlockManager::EndOfMove();
}
