// Time services on Linux: std::chrono's steady clock and localtime_r.
#include "platform/Clock.h"

#include <chrono>
#include <ctime>

namespace platform {

namespace {

// Initialised while the program loads, before main runs.
const std::chrono::steady_clock::time_point programStart = std::chrono::steady_clock::now();

}  // namespace

std::uint32_t MillisecondsSinceStart() {
  const auto elapsed = std::chrono::steady_clock::now() - programStart;
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

LocalDateTime LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                       local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace platform
