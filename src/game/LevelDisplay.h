// The Breakdown screen's heads-up display of the level number and the rows
// still to push in.
#pragma once

#include <cstdint>

class LevelDisplay {
 public:
  virtual ~LevelDisplay() = default;
  virtual void ShowLevel(std::uint16_t level) = 0;
  virtual void ShowRowsLeft(std::uint32_t rows) = 0;
};
