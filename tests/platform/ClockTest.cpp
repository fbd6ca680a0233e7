#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/Clock.h"

namespace {

TEST(Clock, MillisecondsSinceStartCountsRealTimeNotProcessorTime) {
  const std::uint32_t before = platform::MillisecondsSinceStart();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));  // asleep: no processor time
  EXPECT_GE(platform::MillisecondsSinceStart() - before, 30u);
}

TEST(Clock, LocalNowIsACalendarDate) {
  const platform::LocalDateTime now = platform::LocalNow();
  EXPECT_GE(now.year, 2024);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  EXPECT_GE(now.day, 1);
  EXPECT_LE(now.day, 31);
}

}  // namespace
