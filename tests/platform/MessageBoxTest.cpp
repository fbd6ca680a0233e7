#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/MessageBox.h"

namespace {

TEST(MessageBox, WithoutADisplayTheTextGoesToStandardError) {
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  testing::internal::CaptureStderr();
  platform::ShowMessageBox("Error", "Wrong model format.", platform::MessageBoxIcon::Warning);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Wrong model format.\n");
}

TEST(MessageBox, AReplacedHandlerSeesTheBoxInstead) {
  std::string seen;
  const auto previous =
      platform::SetMessageBoxHandler([&seen](const std::string& caption, const std::string& text,
                                             platform::MessageBoxIcon) { seen = caption + "|" + text; });
  platform::ShowMessageBox("Error", "Wrong model format.", platform::MessageBoxIcon::Warning);
  platform::SetMessageBoxHandler(previous);
  EXPECT_EQ(seen, "Error|Wrong model format.");
}

}  // namespace
