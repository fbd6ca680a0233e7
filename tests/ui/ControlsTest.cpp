// The controls on a screen with its routing, seen through the game's camera,
// made from the generated models: buttons, check boxes and radio buttons, the
// slider, the text controls, and the event record they read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "ControlScene.h"
#include "core/OException.h"
#include "platform/Events.h"
#include "ui/KeyCodes.h"
#include "ui/OBlendButton.h"
#include "ui/OButton.h"
#include "ui/OCheckBox.h"
#include "ui/ORadioButton.h"
#include "ui/ORadioGroup.h"
#include "ui/OSlider.h"
#include "ui/OTextField.h"
#include "ui/OTextLabel.h"
#include "ui/OTextStack.h"
#include "ui/RotateButton.h"
#include "ui/SkinButton.h"

namespace {

using Pixel = ControlScene::Pixel;
constexpr std::uint32_t kId = 7;
// The middle of the layout, where the buttons stand, and a point well above them.
constexpr Pixel kOn{320, 240};
constexpr Pixel kOff{320, 150};

using ButtonsTest = ControlSceneTest;

TEST(ButtonScriptTest, PressedReleasedAndLeftTheyTellTheScreenAndShowTheirFaces) {
  // '+' moves the pointer onto the button, '-' well above it; 'v' and '^' press
  // and release the left button where the pointer is, 'r' presses the right one.
  struct Script {
    const char* name;
    const char* steps;
    Commands told;
    std::size_t face;  // the face shown at the end
  };
  const Command clicked{kId, OControl::kClicked};
  const Command pressed{kId, OControl::kControlPressed};
  const Command released{kId, OControl::kControlReleased};
  const std::pair<const char*, std::vector<Script>> kinds[] = {
      {"ok.asvm",
       {{"hovered", "+", {}, 1},
        {"released beside it", "+v-^", {}, 0},
        {"moved off and back", "+v-+^^", {clicked}, 1},
        {"the right button", "+r^", {}, 1}}},
      {"rotate_cw.asvm",
       {{"pressed", "+v", {pressed}, 1},
        {"released", "+v^", {pressed, released}, 0},
        {"left held", "+v-", {pressed, released}, 0},
        {"left after a release", "+v^-", {pressed, released, released}, 0}}},
  };
  for (const auto& [model, scripts] : kinds) {
    for (const Script& script : scripts) {
      SCOPED_TRACE(testing::Message() << model << ": " << script.name);
      ControlScene scene;
      std::unique_ptr<OButton> made;
      if (std::string(model) == "ok.asvm") {
        made = std::make_unique<OButton>(kId, false);
      } else {
        made = std::make_unique<RotateButton>(kId);
      }
      OButton& button = scene.AddModel(std::move(made), model, 256, 256, 0.5f);
      Pixel at = kOff;
      for (const char* step = script.steps; *step != '\0'; ++step) {
        at = *step == '+' ? kOn : *step == '-' ? kOff : at;
        scene.Send(std::string("+-").find(*step) != std::string::npos ? OEvent::kMouseMove
                   : *step == '^'                                      ? OEvent::kButtonUp
                                                                       : OEvent::kButtonDown,
                   at, *step == 'r' ? OEvent::kRight : OEvent::kLeft);
      }
      EXPECT_EQ(scene.TakeCommands(), script.told);
      EXPECT_TRUE(button.IsVisible(script.face) && !button.IsVisible(1 - script.face));
    }
  }
  ControlScene scene;
  OButton& button = scene.AddModel(std::make_unique<OButton>(kId, false), "ok.asvm", 256, 256);
  button.disabled = true;
  scene.Click(kOn);
  EXPECT_FALSE(button.highlighted);
  EXPECT_TRUE(scene.TakeCommands().empty()) << "a disabled button is never hit";
}

// A glowing button as two passes over all its faces draw it: each darkens what
// lies behind by its alpha, then each adds its light.
class TwoPassButton : public OBlendButton {
 public:
  using OBlendButton::OBlendButton;
  void Draw() override {
    SetAlpha(1.0f);
    SetBlendFunc(GL_ZERO, GL_ONE_MINUS_SRC_ALPHA);
    OModel::Draw();
    if (disabled && greyWhenDisabled) {
      glBlendColor(0.3f, 0.3f, 0.3f, 1.0f);
      SetBlendFunc(GL_CONSTANT_COLOR, GL_ONE);
    } else {
      SetBlendFunc(GL_ONE, GL_ONE);
    }
    OModel::Draw();
  }
};

TEST_F(ButtonsTest, AGlowingButtonShowsBehindEachFaceDarkenedAndEveryFacesLightAdded) {
  OBlendButton& button = scene_.AddModel(std::make_unique<OBlendButton>(kId, false), "replay.asvm", 256, 256);
  TwoPassButton& reference =
      scene_.AddModel(std::make_unique<TwoPassButton>(kId + 1, false), "replay.asvm", 256, 256);
  auto drawnBy = [&](bool byButton, bool byReference) {
    button.enabled = byButton;
    reference.enabled = byReference;
    return scene_.DrawnFrame();
  };
  const std::vector<std::uint8_t> empty = drawnBy(false, false);
  auto expectAlike = [&](const char* state) {
    const std::vector<std::uint8_t> drawn = drawnBy(true, false);
    const std::vector<std::uint8_t> expected = drawnBy(false, true);
    int worst = 0;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
      worst = std::max(worst, std::abs(drawn[i] - expected[i]));
    }
    EXPECT_LE(worst, 1) << state;
    EXPECT_NE(drawn, empty) << state << ": the button draws nothing";
  };
  // Freshly loaded, both faces show, one over the other.
  expectAlike("both faces");
  for (OBlendButton* each : {&button, static_cast<OBlendButton*>(&reference)}) {
    each->disabled = true;
    each->greyWhenDisabled = true;
  }
  expectAlike("both faces, greyed");
  for (OBlendButton* each : {&button, static_cast<OBlendButton*>(&reference)}) {
    each->Highlight();
  }
  expectAlike("the lit face, greyed");
  for (OBlendButton* each : {&button, static_cast<OBlendButton*>(&reference)}) {
    each->disabled = false;
  }
  expectAlike("the lit face");
}

TEST_F(ButtonsTest, EnterClicksTheFocusedButtonAndAHalfSizeButtonIsHitOnlyWhereDrawn) {
  scene_.AddModel(std::make_unique<OButton>(kId, true), "ok.asvm", 128, 128);
  scene_.AddModel(std::make_unique<OButton>(kId + 1, true), "cancel.asvm", 384, 128);
  for (const std::uint32_t focused : {kId, kId + 1}) {
    scene_.Key(keycode::kTab);
    scene_.Key(' ');
    EXPECT_TRUE(scene_.TakeCommands().empty()) << "only Enter clicks";
    EXPECT_TRUE(scene_.Key(keycode::kEnter));
    EXPECT_EQ(scene_.TakeCommands(), (Commands{{focused, OControl::kClicked}}));
  }
  OButton& half = scene_.AddModel(std::make_unique<OButton>(kId, false), "ok.asvm", 256, 256, 0.5f);
  // Its face reaches 17 pixels either side; an unscaled box would reach twice as far.
  scene_.Move({kOn[0] + 26, kOn[1]});
  EXPECT_FALSE(half.highlighted);
  scene_.Move({kOn[0] + 12, kOn[1]});
  EXPECT_TRUE(half.highlighted);
}

TEST_F(ButtonsTest, TheSkinSelectorStepsThroughItsSkinsByNumberAndWrapsRound) {
  auto& skins = scene_.AddModel(std::make_unique<SkinButton>(kId, false), "skin.asvm", 256, 256);
  for (const auto& [name, number] : {std::pair{"col.tga", 2074}, {"scr.tga", 2071}, {"wea.tga", 2070},
                                     {"tex.tga", 2075}, {"col.tga", 2072}}) {
    skins.AddSkin(name, number);
  }
  EXPECT_EQ(skins.FindSkin("col.tga"), 2074) << "a texture offered again keeps its number";
  EXPECT_EQ(skins.CurrentSkinNumber(), 2075) << "the last added is current";
  for (const std::int32_t next : {2070, 2071, 2074, 2075, 2070}) {
    scene_.Click(kOn);
    EXPECT_EQ(scene_.TakeCommands(), (Commands{{kId, next}}));
  }
  EXPECT_TRUE(skins.Texture().Empty()) << "the owner selects the skin it is told of";
  // Selecting wears the first skin at or above the number, or the first.
  for (const auto& [asked, worn] : {std::pair{2071, "scr.tga"}, {-1, "wea.tga"}, {3000, "wea.tga"}}) {
    skins.SelectSkin(asked);
    EXPECT_EQ(skins.Texture().Name(), worn);
  }
  EXPECT_THROW(skins.SelectSkin(2074), OFileNotFound);
}

TEST_F(ControlSceneTest, RadioButtonsKeepOneSelectedAndOneOutsideTheGroupNeverTells) {
  ORadioGroup group;
  ORadioButton& first = scene_.AddModel(std::make_unique<ORadioButton>(1, &group), "PARadio.asvm", 150, 256);
  ORadioButton& second = scene_.AddModel(std::make_unique<ORadioButton>(2, &group), "PARadio.asvm", 250, 256);
  ORadioButton& loner = scene_.AddModel(std::make_unique<ORadioButton>(3, nullptr), "PARadio.asvm", 350, 256);
  scene_.Click(scene_.PixelOf(first));
  EXPECT_TRUE(first.Checked());
  scene_.Click(scene_.PixelOf(second));
  scene_.Click(scene_.PixelOf(second));
  EXPECT_EQ(scene_.TakeCommands(), (Commands{{1, 1}, {2, 1}, {2, 1}})) << "said again while selected";
  EXPECT_FALSE(first.Checked());
  EXPECT_FALSE(first.IsVisible(OCheckBox::kMarkObject));
  EXPECT_TRUE(second.Checked());
  scene_.Click(scene_.PixelOf(loner));
  EXPECT_TRUE(scene_.TakeCommands().empty());
  EXPECT_FALSE(loner.Checked());
  EXPECT_FALSE(group.Select(&loner));
  EXPECT_TRUE(second.Checked());
}

// Each control on a row of its own, scaled as the options screen scales it (the
// slider more): a click two pixels inside either drawn end hits, three outside misses.
TEST_F(ControlSceneTest, AScaledControlIsHitUpToTheEdgesItIsDrawnWith) {
  ORadioGroup group;
  auto slider = std::make_unique<OSlider>(4, 0, 10, 1);
  slider->Thumb().Load("BSliderStem.Asvm");
  const std::pair<const char*, OControl3D*> controls[] = {
      {"check box", &scene_.AddModel(std::make_unique<OCheckBox>(1), "CheckBox.Asvm", 256, 400, 3.5f)},
      {"radio button",
       &scene_.AddModel(std::make_unique<ORadioButton>(2, &group), "PARadio.asvm", 256, 300, 3.5f)},
      {"button", &scene_.AddModel(std::make_unique<OButton>(3, false), "ok.asvm", 256, 200)},
      {"slider", &scene_.AddModel(std::move(slider), "Slider.Asvm", 256, 100, 2.0f)},
  };
  for (const auto& [name, control] : controls) {
    SCOPED_TRACE(name);
    const int y = scene_.PixelOf(*control)[1];
    const auto [left, right] = scene_.DrawnSpan(y);
    ASSERT_LT(left, right);
    for (const auto& [x, hits] :
         {std::pair{right - 2, true}, {right + 3, false}, {left + 2, true}, {left - 3, false}}) {
      scene_.Click({x, y});
      const Commands told = scene_.TakeCommands();
      EXPECT_EQ(!told.empty() && told.back().first == control->id, hits) << x;
    }
  }
}

class OSliderTest : public ControlSceneTest {
 protected:
  // Above the middle of the layout, where a depth measured along the wrong axis shows.
  OSlider& AddSlider(float minimum, float maximum, float step) {
    auto slider = std::make_unique<OSlider>(kId, minimum, maximum, step);
    slider->Thumb().Load("BSliderStem.Asvm");
    return scene_.AddModel(std::move(slider), "Slider.Asvm", 256, 400);
  }
};

TEST_F(OSliderTest, ValuesSnapHalfAwayFromZeroAndStayOnTheRail) {
  OSlider& slider = AddSlider(0, 10, 1);
  for (const auto& [set, expected] :
       {std::pair{2.5f, 3.0f}, {2.4f, 2.0f}, {9.6f, 10.0f}, {14.0f, 10.0f}, {-3.0f, 0.0f}}) {
    SCOPED_TRACE(set);
    slider.SetValue(set);
    EXPECT_EQ(slider.Value(), expected);
  }
  OSlider& fromBelowZero = AddSlider(-10, 10, 5);
  fromBelowZero.SetValue(-7.5f);
  EXPECT_EQ(fromBelowZero.Value(), -5.0f);
}

TEST_F(OSliderTest, ThumbFollowsThePointerWhileTheScreenHearsOnlySteps) {
  OSlider& slider = AddSlider(0, 10, 1);
  std::vector<float> heard;
  scene_.Screen().onCommand = [&] { heard.push_back(slider.Value()); };
  const auto [x, y] = scene_.PixelOf(slider.Thumb());
  scene_.Move({x, y});
  scene_.Press({x, y});
  EXPECT_TRUE(slider.Dragging());
  for (int step = 1; step <= 10; ++step) {
    scene_.Move({x + 3 * step, y + step % 2});
  }
  ASSERT_EQ(heard.size(), 10u);
  for (const float value : heard) {
    EXPECT_EQ(value, std::round(value));
  }
  EXPECT_GT(heard.back(), 0.0f);
  // The thumb stands under the pointer, between two steps, and keeps to the rail.
  EXPECT_NEAR(scene_.PixelOf(slider.Thumb())[0], x + 30, 1);
  EXPECT_EQ(scene_.PixelOf(slider.Thumb())[1], y);
  EXPECT_NE(slider.Value(), std::round(slider.Value()));
  scene_.Release({x + 30, y});
  EXPECT_FALSE(slider.Dragging());
  EXPECT_EQ(slider.Value(), heard.back());

  SCOPED_TRACE("a press on the rail jumps there and tells the step");
  heard.clear();
  const auto [middleX, middleY] = scene_.PixelOf(slider);
  scene_.Move({middleX + 4, middleY});
  scene_.Press({middleX + 4, middleY});
  EXPECT_EQ(heard, std::vector<float>{5.0f});
  scene_.Release({middleX + 4, middleY});
  EXPECT_EQ(slider.Value(), 5.0f);
}

TEST_F(OSliderTest, DraggingPastTheRailsEndLeavesTheMaximum) {
  OSlider& slider = AddSlider(0, 10, 1);
  const auto [x, y] = scene_.PixelOf(slider.Thumb());
  scene_.Move({x, y});
  scene_.Press({x, y});
  for (int step = 1; step <= 20; ++step) {
    scene_.Move({x + 15 * step, y});
  }
  EXPECT_EQ(slider.Value(), 10.0f);
  // Once the pointer left the stopped thumb and the rail, the screen broke the drag off.
  EXPECT_FALSE(slider.Dragging());
  EXPECT_EQ(scene_.TakeCommands().back(), (Command{kId, 1}));
  EXPECT_FLOAT_EQ(slider.Thumb().transform[12], slider.halfExtents[0] - slider.Thumb().halfExtents[0])
      << "the thumb at the rail's end, its hit box back to normal";
}

// A field 150 wide has room for 14 glyphs. Layout x = pixel x * 512 / 640 and
// layout y = (480 - pixel y) * 512 / 480 are whole numbers for these pixels,
// so edges can be hit exactly.
constexpr Pixel kInField{200, 345};  // layout (160, 144)

OTextField& AddField(ControlScene& scene, const std::string& text, bool focused = true) {
  OTextField& field = scene.Add(std::make_unique<OTextField>(&scene.Font(), text, kId, true));
  field.SetPosition(102, 120);
  if (focused) {
    scene.Click(kInField);
  }
  return field;
}

TEST(OTextFieldTest, EditingKeepsToTheMaximumLengthAndTheCaretInView) {
  // Keys: Home, End, Left, Right, Backspace and Delete; then the typed text.
  struct Edit {
    std::string start;
    std::string keys;
    const char* typed;
    std::string text;
    std::size_t caret;
    std::size_t scroll;
  };
  const std::string kLong = "abcdefghijklmnopqrst";
  const Edit edits[] = {
      {"", "", "abcdefghijklmnopqrst", "abcdefghijklmnop", 16, 2},
      {"abcdefghijklmnop", "H", "\r\b\x1b", "abcdefghijklmnop", 0, 0},  // control codes insert nothing
      {"name", "D", "", "name", 4, 0},
      {"name", "HBL", "", "name", 0, 0},
      {"name", "HD", "N", "Name", 1, 0},
      {"name", "EB", "", "nam", 3, 0},
      {kLong, "", "", kLong, 20, 6},
      {kLong, "H", "", kLong, 0, 0},
      {kLong, "H" + std::string(14, 'R'), "", kLong, 14, 0},
      {kLong, "H" + std::string(16, 'R'), "", kLong, 16, 2},
      {kLong, "H" + std::string(16, 'R') + std::string(14, 'L'), "", kLong, 2, 2},
      {kLong, "H" + std::string(16, 'R') + std::string(15, 'L'), "", kLong, 1, 1},
      {kLong, "EB", "", "abcdefghijklmnopqrs", 19, 5},
  };
  const std::map<char, std::uint16_t> keys{{'H', keycode::kHome},  {'E', keycode::kEnd},
                                           {'L', keycode::kLeft},  {'R', keycode::kRight},
                                           {'B', keycode::kBackspace}, {'D', keycode::kDelete}};
  for (const Edit& edit : edits) {
    SCOPED_TRACE(edit.start + " " + edit.keys + " " + edit.typed);
    ControlScene scene;
    OTextField& field = AddField(scene, edit.start);
    if (!edit.start.empty()) {
      field.SetMaxLength(20);
    }
    for (const char key : edit.keys) {
      scene.Key(keys.at(key));
    }
    scene.Type(edit.typed);
    EXPECT_EQ(field.Text(), edit.text);
    EXPECT_EQ(field.Caret(), edit.caret);
    EXPECT_EQ(field.Scroll(), edit.scroll);
  }
  ControlScene scene;
  AddField(scene, "Ann");
  EXPECT_FALSE(scene.Key(112)) << "a key the field has no use for";
  EXPECT_TRUE(scene.Key(keycode::kEnter));
  EXPECT_EQ(scene.TakeCommands(), (Commands{{kId, 0}})) << "Enter is told with code 0";
}

TEST(OTextFieldTest, TypedLettersTheFontCannotDrawLoseTheirAccentsAndOtherSignsAreRefused) {
  const std::pair<std::string, std::string> typed[] = {
      {"José", "Jose"},
      {"Ö", "O"},
      {"Straße ÀÆþÿ", "Strasse AAethy"},
      {"Łódź", "Lodz"},
      {"€Š", "\x80\x8A"},                        // glyphs the font has
      {"中😀©×\u00A0", ""},                       // and none: CJK, emoji, signs, the no-break space
      {"123456789012345ß", "123456789012345s"},  // as much as fits
  };
  for (const auto& [utf8, text] : typed) {
    SCOPED_TRACE(utf8);
    ControlScene scene;
    OTextField& field = AddField(scene, "");
    const std::vector<std::uint8_t> characters = platform::Windows1252Characters(utf8);
    scene.Type(std::string(characters.begin(), characters.end()));
    EXPECT_EQ(field.Text(), text);
  }
  ControlScene scene;
  OTextField& field = AddField(scene, "");
  scene.Type("\x1F\x7F\x81\x8D\x8F\x90\x9D\xA0\xBF\xF7");
  EXPECT_EQ(field.Text(), "") << "codes without a glyph that no keyboard text gives";
}

TEST_F(ControlSceneTest, TheTextFieldsCaretShowsInTheSecondHalfOfEachSecondWhileFocused) {
  std::uint32_t now = 0;
  OTextField& field = AddField(scene_, "abc");
  field.SetClock([&now] { return now; });
  for (const auto& [time, shown] :
       {std::pair{0u, false}, {500u, false}, {501u, true}, {999u, true}, {1000u, false}, {1700u, true}}) {
    now = time;
    EXPECT_EQ(field.CaretShown(), shown) << time;
  }
  // The caret stands after "abc", from layout x 132 to 134: pixel 166; pixel
  // row 350 is layout y 139, inside the caret's height.
  constexpr std::array<std::uint8_t, 3> kBlack{0, 0, 0};
  now = 700;
  EXPECT_EQ(scene_.DrawnPixel({166, 350}), kBlack);
  EXPECT_EQ(scene_.DrawnPixel({200, 344}), kBlack) << "the box's upper border";
  now = 200;
  EXPECT_NE(scene_.DrawnPixel({166, 350}), kBlack);
  field.Unhighlight();
  now = 700;
  EXPECT_FALSE(field.CaretShown());
  EXPECT_NE(scene_.DrawnPixel({166, 350}), kBlack);
}

TEST_F(ControlSceneTest, TheTextFieldsRightAndTopEdgesAreOutside) {
  OTextField& field = AddField(scene_, "", false);
  // Layout x 252 = 102 + 150 is pixel 315; layout y 145 = 120 + 25 is pixel 344.0625, so 344 lies above.
  for (const auto& [x, y, inside] : {std::tuple{315, 345, false}, {314, 345, true}, {200, 344, false},
                                     {200, 346, true}, {128, 345, true}, {127, 345, false}}) {
    SCOPED_TRACE(testing::Message() << x << ", " << y);
    EXPECT_EQ(field.HitTest(OEvent::Mouse(OEvent::kMouseMove, 0, 0, x, y)), inside);
  }
  scene_.Click({315, 345});
  EXPECT_FALSE(field.highlighted);
  scene_.Click({314, 345});
  EXPECT_TRUE(field.highlighted);
  field.SetDisabled(true);
  EXPECT_FALSE(field.HitTest(OEvent::Mouse(OEvent::kMouseMove, 0, 0, 314, 345)));
}

TEST_F(ControlSceneTest, TheTextStackCyclesThroughItsEntriesAndIgnoresADuplicate) {
  auto& stack = scene_.Add(std::make_unique<OTextStack>(&scene_.Font(), kId, false, 1.0f));
  stack.SetPosition(102, 120);
  stack.AddEntry("640 x 480", 0);
  stack.AddEntry("800 x 600", 1);
  stack.AddEntry("640 x 480", 2);
  EXPECT_EQ(stack.CurrentKey(), 1) << "a text already there is not added";
  EXPECT_EQ(stack.Width(), scene_.Font().TextWidth("800 x 600"));
  EXPECT_EQ(stack.Height(), 32);
  scene_.Send(OEvent::kButtonDown, {200, 345}, OEvent::kRight);
  scene_.Click({200, 345});
  EXPECT_EQ(stack.CurrentKey(), 0);
  scene_.Click({200, 345});
  EXPECT_EQ(scene_.TakeCommands(), (Commands{{kId, 0}, {kId, 1}})) << "the right button cycles nothing";
  stack.Select(-4);
  EXPECT_EQ(stack.CurrentText(), "640 x 480");
  stack.Select(9);
  EXPECT_EQ(stack.CurrentText(), "640 x 480") << "no key that high: the entry stays";

  SCOPED_TRACE("a label shows only what fits its width");
  OTextLabel label(&scene_.Font(), "");
  label.SetNumber(4294967295u);
  EXPECT_EQ(label.Text(), "4294967295");
  label.SetWidth(55, 20);
  EXPECT_EQ(label.VisibleCount(), 5u);
  label.SetText("ab");
  EXPECT_EQ(label.VisibleCount(), 2u);
}

TEST(OControlTest, TellsItsOwnerOnceItHasOneAndPassesOnTheAnswer) {
  OControl control(2030, true);
  EXPECT_FALSE(control.Notify(OControl::kClicked)) << "a control on no screen has nobody to tell";
  ControlScreen owner;
  control.owner = &owner;
  EXPECT_TRUE(control.Notify(OControl::kControlReleased));
  EXPECT_EQ(owner.commands, (Commands{{2030, OControl::kControlReleased}}));
  control.Highlight();
  control.Unhighlight();
  EXPECT_FALSE(control.highlighted);
}

}  // namespace
