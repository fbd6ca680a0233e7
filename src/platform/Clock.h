// Time services: the program's own monotonic clock, a sleep finer than a
// millisecond, and the local wall-clock time.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since the program started. Monotonic: never goes back when the
// wall clock is set, and counts real time, not processor time.
std::uint32_t MillisecondsSinceStart();
// The same clock in microseconds, fine enough to pace frames of 16.7 ms.
std::int64_t MicrosecondsSinceStart();
// Sleeps for about `microseconds`: the system's timer, not whole milliseconds,
// so a frame's rest ends within a fraction of a millisecond of its time.
void SleepMicroseconds(std::int64_t microseconds);

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
