// The slider on a screen, on the generated rail and thumb, dragged through the
// screen's routing with the game's camera.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "ControlScene.h"
#include "ui/OSlider.h"

namespace {

constexpr std::uint32_t kSliderId = 9;

class OSliderTest : public ControlSceneTest {
 protected:
  OSlider& AddSlider(float minimum, float maximum, float step) {
    auto slider = std::make_unique<OSlider>(kSliderId, minimum, maximum, step);
    slider->Thumb().Load("BSliderStem.Asvm");
    return scene_.AddModel(std::move(slider), "Slider.Asvm", 256.0f, 256.0f);
  }
};

TEST_F(OSliderTest, ValuesSnapHalfAwayFromZeroAndStayOnTheRail) {
  OSlider& slider = AddSlider(0.0f, 10.0f, 1.0f);
  for (const auto& [set, expected] :
       {std::pair{2.5f, 3.0f}, {2.4f, 2.0f}, {9.6f, 10.0f}, {14.0f, 10.0f}, {-3.0f, 0.0f}}) {
    SCOPED_TRACE(set);
    slider.SetValue(set);
    EXPECT_EQ(slider.Value(), expected);
  }
  OSlider& fromBelowZero = AddSlider(-10.0f, 10.0f, 5.0f);
  fromBelowZero.SetValue(-7.5f);
  EXPECT_EQ(fromBelowZero.Value(), -5.0f);
}

TEST_F(OSliderTest, ThumbFollowsThePointerWhileTheScreenHearsOnlySteps) {
  OSlider& slider = AddSlider(0.0f, 10.0f, 1.0f);
  std::vector<float> heard;
  scene_.Screen().onCommand = [&] { heard.push_back(slider.Value()); };
  const auto [x, y] = scene_.PixelOf(slider.Thumb());

  scene_.Move(x, y);
  scene_.Press(x, y);
  EXPECT_TRUE(slider.Dragging());
  for (int step = 1; step <= 10; ++step) {
    scene_.Move(x + 3 * step, y + step % 2);
  }
  ASSERT_EQ(heard.size(), 10u);
  for (std::size_t i = 0; i < heard.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(heard[i], std::round(heard[i]));
  }
  EXPECT_GT(heard.back(), 0.0f);
  // The thumb stands under the pointer, between two steps, and keeps to the rail.
  const auto [thumbX, thumbY] = scene_.PixelOf(slider.Thumb());
  EXPECT_NEAR(thumbX, x + 30, 1);
  EXPECT_EQ(thumbY, y);
  EXPECT_NE(slider.Value(), std::round(slider.Value()));

  scene_.Release(x + 30, y);
  EXPECT_FALSE(slider.Dragging());
  EXPECT_EQ(slider.Value(), heard.back());
}

TEST_F(OSliderTest, DraggingPastTheRailsEndLeavesTheMaximum) {
  OSlider& slider = AddSlider(0.0f, 10.0f, 1.0f);
  const auto [x, y] = scene_.PixelOf(slider.Thumb());
  scene_.Move(x, y);
  scene_.Press(x, y);
  for (int step = 1; step <= 20; ++step) {
    scene_.Move(x + 15 * step, y);
  }
  EXPECT_EQ(slider.Value(), 10.0f);
  // Once the pointer left the stopped thumb and the rail, the screen broke the drag off.
  EXPECT_FALSE(slider.Dragging());
  EXPECT_EQ(scene_.TakeCommands().back(), (Command{kSliderId, 1}));
  EXPECT_FLOAT_EQ(slider.Thumb().transform[12], slider.halfExtents[0] - slider.Thumb().halfExtents[0])
      << "the thumb at the rail's end, its hit box back to normal";
}

TEST_F(OSliderTest, PressOnTheRailJumpsThereAndTellsTheStep) {
  OSlider& slider = AddSlider(0.0f, 10.0f, 1.0f);
  float heard = -1.0f;
  scene_.Screen().onCommand = [&] { heard = slider.Value(); };
  // The middle of the rail is the middle of the range.
  const auto [x, y] = scene_.PixelOf(slider);
  scene_.Move(x + 4, y);
  scene_.Press(x + 4, y);
  EXPECT_EQ(scene_.TakeCommands(), (std::vector<Command>{{kSliderId, 1}}));
  EXPECT_EQ(heard, 5.0f);
  scene_.Release(x + 4, y);
  EXPECT_EQ(slider.Value(), 5.0f);
}

}  // namespace
