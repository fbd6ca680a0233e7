// The screen's list of direction arrows beside the ring under the pointer.
#pragma once

class Ring;

class ArrowList {
 public:
  virtual ~ArrowList() = default;
  // Replaces the ring's arrow with one for this direction (+1 or -1).
  virtual void ShowArrow(const Ring& ring, int direction) = 0;
  // The ring's arrow finishes its animation and goes.
  virtual void RetireArrow(const Ring& ring) = 0;
  // Every arrow goes at once.
  virtual void Clear() = 0;
};
