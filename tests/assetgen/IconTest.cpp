// The desktop's icons are drawn at each size rather than scaled, so the large
// ones must still be the picture the window shows at 64 pixels.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "assetgen/Sprites.h"

namespace {

// The mean difference per channel (0..255) between `large`, averaged down over
// squares, and `small`.
double MeanDifference(const RgbaImage& large, const RgbaImage& small) {
  const int scale = large.Width() / small.Width();
  double total = 0;
  for (int y = 0; y < small.Height(); ++y) {
    for (int x = 0; x < small.Width(); ++x) {
      for (int channel = 0; channel < 4; ++channel) {
        double sum = 0;
        for (int dy = 0; dy < scale; ++dy) {
          for (int dx = 0; dx < scale; ++dx) {
            sum += large.At(x * scale + dx, y * scale + dy)[channel];
          }
        }
        total += std::abs(sum / (scale * scale) - small.At(x, y)[channel]);
      }
    }
  }
  return total / (small.Width() * small.Height() * 4);
}

TEST(Icon, LargeSizesShowTheWindowsPicture) {
  const RgbaImage window = Sprites::MakeIcon(Sprites::kWindowIconSize);
  for (const int size : {128, 256}) {
    SCOPED_TRACE("size " + std::to_string(size));
    const RgbaImage icon = Sprites::MakeIcon(size);
    ASSERT_EQ(icon.Width(), size);
    ASSERT_EQ(icon.Height(), size);
    // Edges and seams fall a little differently at every size (about 2);
    // rings placed a tenth too low already make 6.
    EXPECT_LT(MeanDifference(icon, window), 3.0);
  }
}

}  // namespace
