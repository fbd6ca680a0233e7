// The Remover game: ten full rings, no clock, played until no group is left
// to remove. Every deal has a number that deals it again, and every move can
// be taken back and played again.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "game/RemoverRules.h"
#include "screens/BoardWindow.h"

class OButton;

class RemoverWindow : public BoardWindow {
 public:
  static constexpr std::uint32_t kIdentifier = 203;
  static constexpr std::uint32_t kUndo = 2034;
  static constexpr std::uint32_t kRedo = 2035;
  static constexpr std::uint32_t kReplay = 2036;

  // A new deal, or the deal of that number.
  explicit RemoverWindow(std::optional<std::uint32_t> deal = std::nullopt);
  // The board points at the rules and the screen's lists, so it goes first.
  ~RemoverWindow() override;

  Cylinder* Board() const override { return board_; }
  BlockManager& Rules() override { return rules_; }
  RemoverRules& Moves() { return rules_; }
  // Deals the board: the deal asked for, then a new one for each game.
  void StartGame() override;
  std::uint32_t Deal() const { return deal_; }
  // The same deal from its start, with the score at 0.
  void ReplayDeal();
  bool Undo();
  bool Redo();
  void Update(std::uint32_t deltaMs) override;
  bool OnCommand(std::uint32_t command, std::uint32_t param) override;

 protected:
  void CreateModeControls() override;
  void CreateRules() override { LinkRules(rules_); }
  void DrawModeFields() override;
  bool HandleModeAction(OAction action) override;
  // A game that ends with bricks left never enters the top ten, whatever its score.
  bool ResultMayEnter() const override { return rules_.Won(); }

 private:
  void DiscardBoard();
  void AfterUndoOrRedo();
  // Undo and redo are greyed while there is nothing they can do.
  void RefreshMoveButtons();

  RemoverRules rules_;
  Cylinder* board_ = nullptr;  // one of the screen's controls
  std::optional<std::uint32_t> nextDeal_;
  std::uint32_t deal_ = 0;
  std::unique_ptr<OTextLabel> dealLabel_;
  OButton* undo_ = nullptr;  // the screen's controls
  OButton* redo_ = nullptr;
};
