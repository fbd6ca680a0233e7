// The keyboard's stand-in for the pointer on the board: a cell at a fixed place
// on the screen, one ring and one column across the front of the cylinder.
// While it is shown the board asks it, not the pointer's ray, what is pointed
// at, so the rules see it exactly as they see a cell under the pointer; when it
// is hidden every question goes on to the pointer's picker.
#pragma once

#include <cstdint>

#include "game/CellPicker.h"

class Cylinder;

class BoardCursor : public CellPicker {
 public:
  // Columns either side of the front one that the cursor reaches: the front
  // half of the ring, short of the edges where blocks are seen side on.
  static constexpr int kReach = 4;

  explicit BoardCursor(CellPicker& pointer) : pointer_(pointer) {}

  // The place of the supply ring under a Breakdown board.
  static constexpr int kSupplyPosition = -1;

  // A new board: the cursor hides and starts at the front of its middle ring.
  // Down from the bottom ring goes on to the supply ring when there is one.
  void SetBoard(const Cylinder* board, bool withSupplyRing = false);
  void Show() { shown_ = board_ != nullptr; }
  void Hide() { shown_ = false; }
  bool Shown() const { return shown_; }
  // Across the front, +1 a column to the player's right; stops at the edges.
  void MoveAcross(int columns);
  // +1 a ring up; stops at the top ring, and at the bottom or the supply ring.
  void MoveUpDown(int rings);
  // The way the cursor's ring turns when it is told to: +1 as the left rotate arrow turns the rings.
  void SetTurnDirection(int direction) { turnDirection_ = direction < 0 ? -1 : 1; }

  // The ring's place on the board, 0 for the bottom ring, kSupplyPosition for the supply ring.
  int Position() const { return position_; }
  // The column in the rings' own numbering: 0 faces the camera.
  int Column() const { return column_; }

  std::int16_t Pick(const Ring& ring, const OEvent& event) override;
  // Asked of the supply ring only.
  std::int16_t FirstCellHit(const Ring& ring, const OEvent& event) override;
  int Direction(const Ring& ring, const OEvent& event) override;

 private:
  bool OnCursorRing(const Ring& ring) const;

  CellPicker& pointer_;
  const Cylinder* board_ = nullptr;  // not owned
  bool withSupplyRing_ = false;
  bool shown_ = false;
  int position_ = 0;
  int column_ = 0;
  int turnDirection_ = 1;
};
