// The skin selector: its skins in the order of their numbers, stepped through
// by presses that wrap round, with the new number sent to the owner.
#include <gtest/gtest.h>

#include "ButtonScreen.h"
#include "app/OException.h"
#include "ui/SkinButton.h"

namespace {

constexpr std::uint32_t kSkin = 2069;
constexpr float kX = 256.0f;
constexpr float kY = 256.0f;

class SkinButtonTest : public ButtonScreen {
 protected:
  SkinButton& AddSelector() { return Add(std::make_unique<SkinButton>(kSkin, false), "skin.asvm", kX, kY); }
  std::int32_t Click() {
    Press(kX, kY);
    Release(kX, kY);
    const Commands sent = screen_.Take();
    EXPECT_EQ(sent.size(), 1u);
    return sent.empty() ? -1 : static_cast<std::int32_t>(sent.front().second);
  }
};

TEST_F(SkinButtonTest, APressStepsToTheNextSkinWrapsRoundAndSendsTheNewNumber) {
  SkinButton& skins = AddSelector();
  for (std::int32_t number = 0; number < 5; ++number) {
    skins.AddSkin("skin" + std::to_string(number) + ".tga", number);
  }
  EXPECT_EQ(skins.CurrentSkinNumber(), 4) << "the last added is current";
  EXPECT_EQ(Click(), 0);
  EXPECT_EQ(skins.CurrentSkinName(), "skin0.tga");
  EXPECT_TRUE(skins.highlighted);
  EXPECT_EQ(Click(), 1);
  EXPECT_TRUE(skins.Texture().Empty()) << "the owner loads the skin, not the press";
}

TEST_F(SkinButtonTest, TheGamesSkinsAreSteppedInTheOrderOfTheirNumbers) {
  SkinButton& skins = AddSelector();
  skins.AddSkin("col.tga", 2074);
  skins.AddSkin("scr.tga", 2071);
  skins.AddSkin("wea.tga", 2070);
  skins.AddSkin("dom.tga", 2073);
  skins.AddSkin("tex.tga", 2075);
  skins.AddSkin("col.tga", 2072);
  EXPECT_EQ(skins.FindSkin("col.tga"), 2074) << "a texture offered again keeps its number";
  EXPECT_EQ(skins.FindSkin("none.tga"), -1);
  std::vector<std::int32_t> steps;
  for (int i = 0; i < 6; ++i) {
    steps.push_back(Click());
  }
  EXPECT_EQ(steps, (std::vector<std::int32_t>{2070, 2071, 2073, 2074, 2075, 2070}));
}

TEST_F(SkinButtonTest, SelectingWearsTheFirstSkinAtOrAboveTheNumber) {
  SkinButton& skins = AddSelector();
  skins.AddSkin("scr.tga", 2071);
  skins.AddSkin("wea.tga", 2070);
  struct Case {
    std::int32_t asked;
    const char* worn;
  };
  for (const Case& test : {Case{2071, "scr.tga"}, Case{-1, "wea.tga"}, Case{2072, "wea.tga"}}) {
    SCOPED_TRACE(test.asked);
    skins.SelectSkin(test.asked);
    EXPECT_EQ(skins.CurrentSkinName(), test.worn);
    EXPECT_FALSE(skins.Texture().Empty());
    EXPECT_EQ(skins.Texture().Name(), test.worn);
  }
  skins.AddSkin("missing.tga", 5);
  EXPECT_THROW(skins.SelectSkin(5), OFileNotFound);
}

TEST_F(SkinButtonTest, WithoutSkinsAPressIsNotTaken) {
  SkinButton& skins = AddSelector();
  EXPECT_EQ(skins.CurrentSkinNumber(), -1);
  EXPECT_EQ(skins.CurrentSkinName(), "");
  MoveTo(kX, kY);
  EXPECT_FALSE(Press(kX, kY));
  skins.SelectSkin(3);
  EXPECT_TRUE(skins.Texture().Empty());
  EXPECT_TRUE(screen_.Take().empty());
}

}  // namespace
