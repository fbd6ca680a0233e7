// How the board learns what the pointer is over. The real answer comes from a
// ray through the pointer; the rules only need the cell and the turn direction.
#pragma once

#include <cstdint>

class Ring;
struct OEvent;

class CellPicker {
 public:
  virtual ~CellPicker() = default;
  // Storage index of the ring's cell under the pointer, -1 when the pointer is
  // not over the ring. A block wins over an empty cell in front of it.
  virtual std::int16_t Pick(const Ring& ring, const OEvent& event) = 0;
  // +1 or -1: which way the ring turns when the right button goes down here.
  virtual int Direction(const Ring& ring, const OEvent& event) = 0;
  // The supply ring's pick: the first cell hit in storage order, empty or not.
  virtual std::int16_t FirstCellHit(const Ring& ring, const OEvent& event) = 0;
};
