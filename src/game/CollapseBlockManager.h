// The rules of a Breakdown game: rows pushed up from the supply ring, levels
// that end once their rows are in, the count of the empty cells at a level's
// end, and the loss when a row is due while the top ring holds blocks. The
// manager lives for the whole game; each level brings a new board.
#pragma once

#include <cstdint>

#include "game/BlockManager.h"

class CollapseCylinder;
class LevelDisplay;
struct LevelRules;
class SupRing;

class CollapseBlockManager : public BlockManager {
 public:
  explicit CollapseBlockManager(std::uint16_t startLevel);

  // Readies a new board for the current level: links it with the rules and the
  // supply ring, takes the level's rules and shows the level. The screen then
  // adds the board and raises its rings.
  void StartLevel(CollapseCylinder& board, SupRing& supply);
  // The level's end has run its course: the screen sets up the next level.
  void FinishLevel();
  bool LevelSetupDue() const { return levelSetupDue_; }

  void Init(std::uint16_t level) override;
  void PushRow() override;
  // One step of the count of the empty cells at the level's end.
  void CountStep() override;
  // Lost when a row is due while the top ring holds blocks.
  bool IsGameOver() override;
  void EndOfMove() override;
  bool IsBoardCleared() override;

  void SetDisplay(LevelDisplay* display) { display_ = display; }
  const LevelRules& Rules() const { return *rules_; }
  std::uint16_t RowsPushed() const { return rowsPushed_; }

 private:
  void FetchLevelRules();
  void CompleteLevel();
  void Lose();
  void MoveRowsUp();
  void FillBottomRing();
  // Moves the count's cursor to the next empty cell, the current one included
  // when asked; false once it has passed the last cell.
  bool SeekEmptyCell(bool includeCurrent);
  bool AdvanceCursor();
  void PlaceCountMarker();
  void FinishCount();

  std::uint16_t rowsPushed_ = 0;
  bool markerPlaced_ = false;
  std::uint16_t countColumn_ = 0;
  std::uint16_t countPosition_ = 0;
  const LevelRules* rules_;
  LevelDisplay* display_ = nullptr;  // not owned
  SupRing* supply_ = nullptr;        // not owned
  bool levelSetupDue_ = false;
};
