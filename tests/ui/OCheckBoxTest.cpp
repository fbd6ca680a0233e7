// Check boxes and radio buttons on a screen, on the generated models, clicked
// through the screen's routing.
#include <gtest/gtest.h>

#include <memory>

#include "ControlScene.h"
#include "ui/OCheckBox.h"
#include "ui/ORadioButton.h"
#include "ui/ORadioGroup.h"

namespace {

constexpr std::uint32_t kBoxId = 7;

using OCheckBoxTest = ControlSceneTest;

TEST_F(OCheckBoxTest, CheckBoxTogglesOnAClickAndTellsWhichWay) {
  OCheckBox& box = scene_.AddModel(std::make_unique<OCheckBox>(kBoxId), "CheckBox.Asvm", 256.0f, 256.0f);
  EXPECT_FALSE(box.IsVisible(OCheckBox::kMarkObject));
  const auto [x, y] = scene_.PixelOf(box);

  scene_.Click(x, y);
  EXPECT_EQ(scene_.TakeCommands(), (std::vector<Command>{{kBoxId, 1}}));
  EXPECT_TRUE(box.Checked());
  EXPECT_TRUE(box.IsVisible(OCheckBox::kBoxObject) && box.IsVisible(OCheckBox::kMarkObject));

  scene_.Click(x, y);
  EXPECT_EQ(scene_.TakeCommands(), (std::vector<Command>{{kBoxId, 2}}));
  EXPECT_FALSE(box.Checked());
  EXPECT_FALSE(box.IsVisible(OCheckBox::kMarkObject));

  {
    SCOPED_TRACE("pressed, then released away from it");
    scene_.Press(x, y);
    scene_.Move(x + 200, y);
    scene_.Release(x + 200, y);
    EXPECT_TRUE(scene_.TakeCommands().empty());
    EXPECT_FALSE(box.Checked());
  }
  {
    SCOPED_TRACE("pressed, moved off and back, then released on it");
    scene_.Press(x, y);
    scene_.Move(x + 200, y);
    scene_.Move(x, y);
    scene_.Release(x, y);
    EXPECT_EQ(scene_.TakeCommands(), (std::vector<Command>{{kBoxId, 1}}));
  }
}

TEST_F(OCheckBoxTest, RadioButtonsKeepOneSelectedAndOneOutsideTheGroupNeverTells) {
  ORadioGroup group;
  ORadioButton& first =
      scene_.AddModel(std::make_unique<ORadioButton>(1, &group), "PARadio.asvm", 150.0f, 256.0f);
  ORadioButton& second =
      scene_.AddModel(std::make_unique<ORadioButton>(2, &group), "PARadio.asvm", 250.0f, 256.0f);
  ORadioButton& loner =
      scene_.AddModel(std::make_unique<ORadioButton>(3, nullptr), "PARadio.asvm", 350.0f, 256.0f);
  const auto [firstX, firstY] = scene_.PixelOf(first);
  const auto [secondX, secondY] = scene_.PixelOf(second);

  scene_.Click(firstX, firstY);
  EXPECT_EQ(scene_.TakeCommands(), (std::vector<Command>{{1, 1}}));
  EXPECT_TRUE(first.Checked());

  scene_.Click(secondX, secondY);
  EXPECT_EQ(scene_.TakeCommands(), (std::vector<Command>{{2, 1}}));
  EXPECT_FALSE(first.Checked());
  EXPECT_FALSE(first.IsVisible(OCheckBox::kMarkObject));
  EXPECT_TRUE(second.Checked());

  {
    SCOPED_TRACE("clicked again while selected");
    scene_.Click(secondX, secondY);
    EXPECT_EQ(scene_.TakeCommands(), (std::vector<Command>{{2, 1}}));
    EXPECT_TRUE(second.Checked());
  }
  {
    SCOPED_TRACE("a button in no group");
    const auto [x, y] = scene_.PixelOf(loner);
    scene_.Click(x, y);
    EXPECT_TRUE(scene_.TakeCommands().empty());
    EXPECT_FALSE(loner.Checked());
  }
  EXPECT_FALSE(group.Select(&loner));
  EXPECT_TRUE(second.Checked());
}

}  // namespace
