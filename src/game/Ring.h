// One horizontal ring of the board: a closed row of cells that the player turns
// a whole column at a time. Storage index and visible column differ by the
// ring's offset, which changes by one on every completed step.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "game/Block.h"
#include "game/BoardTypes.h"
#include "gfx/O3D.h"
#include "ui/OControl.h"
#include "ui/OEvent.h"

class Cylinder;

class Ring : public OControl, public O3D {
 public:
  // The board is not owned; a ring outside a board turns but tells nobody.
  Ring(std::uint32_t cellCount, float ringRadius, Cylinder* board = nullptr);
  ~Ring() override;

  // Deals one block per cell from the colour generator.
  bool Init() override;
  bool HandleEvent(const OEvent& event) override;
  // Blocks are drawn by the board.
  void Draw() override {}
  void Unhighlight() override;
  // Turns the ring while it is not still.
  void Update(std::uint32_t elapsed) override;

  bool IsEmpty() const;
  void Clear();
  // Asks the board's picker what the pointer is over and keeps the cell. True
  // when that cell holds a block; overCell says whether it is over any cell. A
  // ring without blocks is never over a cell, so it cannot be turned.
  bool Pick(const OEvent& event, bool& overCell);

  int ColumnOf(int cell) const;
  std::uint16_t IndexOfColumn(int column) const;
  Block& BlockAt(std::uint16_t cell) { return *blocks_[cell]; }
  const Block& BlockAt(std::uint16_t cell) const { return *blocks_[cell]; }
  Block& BlockAtColumn(int column) { return *blocks_[IndexOfColumn(column)]; }
  const Block& BlockAtColumn(int column) const { return *blocks_[IndexOfColumn(column)]; }
  // The replacement takes over the old block's place and bounds.
  void ReplaceBlock(std::uint16_t cell, std::unique_ptr<Block> block);
  // Puts back a copy of the cell's block as it was, its place and size included.
  void RestoreBlock(std::uint16_t cell, std::unique_ptr<Block> block);

  // Starts turning with the board's step time, as the rotate buttons do.
  void StartTurning(int turnDirection, float stepTime);
  void SetTurnState(RingTurn turn) { turn_ = turn; }
  RingTurn TurnState() const { return turn_; }
  int Direction() const { return direction_; }
  float StepTime() const { return stepTime_; }
  // Points the ring the right way and puts its arrow up, as when the pointer arrives on it.
  void ShowArrow(const OEvent& event);

  // The supply ring outlives the boards of the levels it serves.
  void SetBoard(Cylinder* board) { board_ = board; }
  // One frame of the ring bursting when the game is lost: its blocks fly outward
  // as the ring widens.
  void Burst(std::uint32_t elapsed);

  std::uint32_t CellCount() const { return cells_; }
  float Radius() const { return radius_; }
  std::int16_t HoveredCell() const { return hovered_; }
  void ForgetHoveredCell() { hovered_ = -1; }
  // Kept between 0 and cells - 1: a ring held for hours must not run out of numbers.
  std::int16_t Offset() const { return offset_; }
  void SetOffset(int offset);

 private:
  int PointerDirection(const OEvent& event) const;
  void PlaceBlock(Block& block, std::uint16_t cell) const;

  std::int16_t hovered_ = -1;
  std::int16_t offset_ = 0;
  OEvent lastEvent_;
  std::vector<std::unique_ptr<Block>> blocks_;
  bool arrowShown_ = false;
  float radius_;
  std::uint32_t cells_;
  float turned_ = 0.0f;
  RingTurn turn_ = RingTurn::Still;
  int direction_ = 1;
  float stepTime_ = 180.0f;
  Cylinder* board_;
};
