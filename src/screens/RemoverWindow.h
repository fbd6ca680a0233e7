// The Remover game: ten full rings, no clock, played until no group is left
// to remove.
#pragma once

#include <memory>

#include "game/BlockManager.h"
#include "screens/BoardWindow.h"

class RemoverWindow : public BoardWindow {
 public:
  static constexpr std::uint32_t kIdentifier = 203;

  RemoverWindow();
  // The board points at the rules and the screen's lists, so it goes first.
  ~RemoverWindow() override;

  Cylinder* Board() const override { return board_; }
  BlockManager& Rules() override { return rules_; }
  void StartGame() override;

 protected:
  void CreateRules() override { LinkRules(rules_); }
  // A game that ends with bricks left never enters the top ten, whatever its score.
  bool ResultMayEnter() const override { return rules_.Won(); }

 private:
  void DiscardBoard();

  BlockManager rules_;
  Cylinder* board_ = nullptr;  // one of the screen's controls
};
