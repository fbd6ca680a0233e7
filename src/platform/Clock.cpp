// Time services on Linux: std::chrono's steady clock, sleep_for and localtime_r.
#include "platform/Clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace platform {

namespace {

// Initialised while the program loads, before main runs.
const std::chrono::steady_clock::time_point programStart = std::chrono::steady_clock::now();

}  // namespace

std::uint32_t MillisecondsSinceStart() {
  const auto elapsed = std::chrono::steady_clock::now() - programStart;
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

std::int64_t MicrosecondsSinceStart() {
  const auto elapsed = std::chrono::steady_clock::now() - programStart;
  return std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count();
}

void SleepMicroseconds(std::int64_t microseconds) {
  if (microseconds > 0) {
    std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
  }
}

LocalDateTime LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                       local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace platform
