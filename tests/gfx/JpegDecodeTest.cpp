// JPEG decoding without OpenGL: damaged files that must neither fill the
// terminal with warnings nor make the game allocate gigabytes.
#include <gtest/gtest.h>

#include <algorithm>

#include "gfx/JpegDecode.h"
#include "support/TestImages.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

TEST(DecodeJpeg, DecodableDamageIsTakenSilently) {
  // Stray bytes before the frame header draw a libjpeg warning, not an error.
  Bytes file = JpegFile({"RG"}, 16);
  const Bytes frame = {0xFF, 0xC0};
  const auto at = std::search(file.begin(), file.end(), frame.begin(), frame.end());
  ASSERT_NE(at, file.end());
  file.insert(at, {1, 2, 3});
  ::testing::internal::CaptureStderr();
  const auto image = DecodeJpeg(file);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_TRUE(image);
}

TEST(DecodeJpeg, HugeClaimedSizesAreRefused) {
  Bytes file = JpegFile({"R"}, 16);
  const Bytes frame = {0xFF, 0xC0};
  const auto at = std::search(file.begin(), file.end(), frame.begin(), frame.end());
  ASSERT_NE(at, file.end());
  // Marker, length (2), precision (1), then the height and width.
  at[5] = 0xFF;
  at[6] = 0xDC;
  EXPECT_FALSE(DecodeJpeg(file));
}

}  // namespace
