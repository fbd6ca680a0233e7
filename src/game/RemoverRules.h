// Remover's rules: those of every board, and each move kept so that it can be
// taken back and played again. A move is a click that removed a group, with
// the turns made since the move before it: turning is free, so those turns go
// back with the click that followed them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/BlockManager.h"
#include "game/BoardSnapshot.h"

class RemoverRules : public BlockManager {
 public:
  // Deals are numbered from 1 to this; a number seeds the colour generator.
  static constexpr std::uint32_t kLastDeal = 999999;

  // A new deal: the score starts at 0 and nothing can be taken back.
  void Init(std::uint16_t level) override;
  // The deal as it landed is where taking back ends.
  void IntroOver() override;
  void ClickGroup() override;
  void EndOfMove() override;

  // Whether there is a move to take back, or one taken back to play again.
  bool CanUndo() const;
  bool CanRedo() const;
  // The board, its turns and the score as they were just before the last move;
  // a game that was over is in play again. False when there is nothing to
  // undo, or the board is not at rest (in play or over).
  bool Undo();
  // The move taken back last, played again as it ended. False when there is
  // none, or the board is not at rest.
  bool Redo();

 private:
  struct Position {
    BoardSnapshot board;
    std::uint32_t score;
  };

  bool AtRest() const;
  void Restore(const Position& position);

  // The deal, then the board after each move; `current_` is where the game stands.
  std::vector<Position> positions_;
  std::size_t current_ = 0;
  bool removing_ = false;
};
