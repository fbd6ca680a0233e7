// The Breakdown game: a supply ring that pushes rows into the board from
// below, levels that each bring a new board, and the loss when the rows reach
// the top. The rules and the supply ring last the whole game.
#pragma once

#include <memory>

#include "game/CollapseBlockManager.h"
#include "game/LevelDisplay.h"
#include "screens/BoardWindow.h"

class CollapseCylinder;
class SupRing;

class CollapseWindow : public BoardWindow, private LevelDisplay {
 public:
  static constexpr std::uint32_t kIdentifier = 204;

  CollapseWindow();
  // The board points at the supply ring, the rules and the screen's lists, so it goes first.
  ~CollapseWindow() override;

  Cylinder* Board() const override;
  BlockManager& Rules() override { return *rules_; }
  void StartGame() override;

  CollapseBlockManager& CollapseRules() { return *rules_; }
  SupRing& Supply() { return *supply_; }
  const std::string& LevelText() const { return level_->Text(); }
  const std::string& RowsLeftText() const { return rowsLeft_->Text(); }

 protected:
  void CreateModeControls() override;
  OControl* SupplyRing() override;
  void CreateRules() override;
  void AfterBoardFrame() override;
  void UpdateEffects(std::uint32_t deltaMs) override;
  void DrawEffects() override;
  void DrawModeLabels() override;
  void DrawModeFields() override;
  bool CanPause() const override { return true; }

 private:
  void ShowLevel(std::uint16_t level) override { level_->SetNumber(level); }
  void ShowRowsLeft(std::uint32_t rows) override { rowsLeft_->SetNumber(rows); }
  void SetUpLevel();
  void DiscardBoard();

  std::unique_ptr<CollapseBlockManager> rules_;
  SupRing* supply_ = nullptr;          // one of the screen's controls
  CollapseCylinder* board_ = nullptr;  // one of the screen's controls
  std::unique_ptr<OTextLabel> level_;
  std::unique_ptr<OTextLabel> rowsLeft_;
};
