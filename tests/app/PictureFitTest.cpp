// Where the picture stands in a full-screen window, and which of its points a
// window point is.
#include <gtest/gtest.h>

#include <optional>

#include "app/PictureFit.h"

namespace {

using Point = PictureFit::Point;

TEST(PictureFit, TheLargestAreaOfThePicturesShapeCentredWithPointsMappedAndBarsHittingNothing) {
  struct Case {
    const char* what;
    int windowWidth, windowHeight;
    PictureFit::Area shown;
    Point inside, expected;  // a window point on the picture and the picture's point there
    Point onABar, edge;      // a window point on a bar, and the picture's nearest point to it
  };
  // A 640 x 480 picture on displays of every usual shape.
  const Case cases[] = {
      {"16:9, bars left and right",
       1920,
       1080,
       {240, 0, 1440, 1080},
       {1679, 1079},
       {639, 479},
       {239, 540},
       {0, 240}},
      {"16:10", 1680, 1050, {140, 0, 1400, 1050}, {140, 0}, {0, 0}, {1540, 10}, {639, 4}},
      {"4:3, no bars", 1024, 768, {0, 0, 1024, 768}, {512, 384}, {320, 240}, {1024, 0}, {639, 0}},
      {"21:9", 3440, 1440, {760, 0, 1920, 1440}, {1720, 720}, {320, 240}, {759, 720}, {0, 240}},
      {"5:4, bars above and below", 1280, 1024, {0, 32, 1280, 960}, {640, 32}, {320, 0}, {640, 31}, {320, 0}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    const PictureFit fit(640, 480, test.windowWidth, test.windowHeight);
    const PictureFit::Area shown = fit.Shown();
    EXPECT_EQ(shown.x, test.shown.x);
    EXPECT_EQ(shown.y, test.shown.y);
    EXPECT_EQ(shown.width, test.shown.width);
    EXPECT_EQ(shown.height, test.shown.height);
    const std::optional<Point> point = fit.ToPicture(test.inside);
    ASSERT_TRUE(point.has_value());
    EXPECT_EQ(point->x, test.expected.x);
    EXPECT_EQ(point->y, test.expected.y);
    EXPECT_FALSE(fit.ToPicture(test.onABar).has_value());
    // Off the picture, the pointer stays on its nearest edge.
    const Point edge = fit.ToPictureEdge(test.onABar);
    EXPECT_EQ(edge.x, test.edge.x);
    EXPECT_EQ(edge.y, test.edge.y);
  }
}

}  // namespace
