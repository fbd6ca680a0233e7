// The click-to-cycle selector on a screen, and the label, with a font whose
// glyphs all advance 10 pixels.
#include <gtest/gtest.h>

#include <memory>

#include "ControlScene.h"
#include "ui/OTextLabel.h"
#include "ui/OTextStack.h"

namespace {

constexpr std::uint32_t kStackId = 5;
// Pixel (200, 345) is layout (160, 144), inside a stack at (102, 120).
constexpr std::int16_t kStackX = 102;
constexpr std::int16_t kStackY = 120;
constexpr int kInsideX = 200;
constexpr int kInsideY = 345;

using OTextStackTest = ControlSceneTest;

TEST_F(OTextStackTest, CyclesThroughItsEntriesAndIgnoresADuplicate) {
  auto made = std::make_unique<OTextStack>(&scene_.Font(), kStackId, false, 1.0f);
  made->SetPosition(kStackX, kStackY);
  OTextStack& stack = scene_.Add(std::move(made));
  stack.AddEntry("640 x 480", 0);
  stack.AddEntry("800 x 600", 1);
  EXPECT_EQ(stack.CurrentKey(), 1);
  EXPECT_EQ(stack.Width(), scene_.Font().TextWidth("800 x 600"));
  EXPECT_EQ(stack.Height(), 32);

  stack.AddEntry("640 x 480", 2);
  EXPECT_EQ(stack.CurrentKey(), 1) << "a text already there is not added";

  scene_.Click(kInsideX, kInsideY);
  EXPECT_EQ(stack.CurrentKey(), 0);
  scene_.Click(kInsideX, kInsideY);
  EXPECT_EQ(stack.CurrentKey(), 1);
  EXPECT_EQ(scene_.TakeCommands(), (std::vector<Command>{{kStackId, 0}, {kStackId, 1}}));

  {
    SCOPED_TRACE("selecting by key");
    stack.Select(-4);
    EXPECT_EQ(stack.CurrentText(), "640 x 480");
    stack.Select(9);
    EXPECT_EQ(stack.CurrentText(), "640 x 480") << "no key that high: the entry stays";
  }
}

TEST(OTextLabelTest, ShowsOnlyWhatFitsItsWidth) {
  const ControlScene scene;
  OTextLabel label(&scene.Font(), "");
  label.SetNumber(4294967295u);
  EXPECT_EQ(label.Text(), "4294967295");
  label.SetWidth(55, 20);
  EXPECT_EQ(label.VisibleCount(), 5u);
  label.SetText("ab");
  EXPECT_EQ(label.VisibleCount(), 2u);
}

}  // namespace
