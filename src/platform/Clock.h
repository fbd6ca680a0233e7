// Time services: the program's own monotonic millisecond count and the local wall-clock time.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since the program started. Monotonic: never goes back when the
// wall clock is set, and counts real time, not processor time.
std::uint32_t MillisecondsSinceStart();

struct LocalDateTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

LocalDateTime LocalNow();

}  // namespace platform
