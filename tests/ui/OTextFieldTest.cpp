// The text field on a screen, typed into and clicked through the screen's
// routing, with a font whose glyphs all advance 10 pixels: a field 150 wide
// has room for 14 of them.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ControlScene.h"
#include "ui/OTextField.h"

namespace {

constexpr std::uint32_t kFieldId = 4;
// Layout x = pixel x * 512 / 640 and layout y = (480 - pixel y) * 512 / 480 are
// whole numbers for these pixels, so edges can be hit exactly.
constexpr std::int16_t kFieldX = 102;
constexpr std::int16_t kFieldY = 120;
constexpr int kInsideX = 200;
constexpr int kInsideY = 345;  // layout y 144

class OTextFieldTest : public ControlSceneTest {
 protected:
  // A field with the focus, as after the player clicked it.
  OTextField& FocusedField(const std::string& text) {
    auto made = std::make_unique<OTextField>(&scene_.Font(), text, kFieldId, true);
    made->SetPosition(kFieldX, kFieldY);
    made->SetClock([this] { return now_; });
    OTextField& field = scene_.Add(std::move(made));
    scene_.Click(kInsideX, kInsideY);
    return field;
  }

  void ExpectCaret(const OTextField& field, std::size_t caret, std::size_t scroll) {
    EXPECT_EQ(field.Caret(), caret);
    EXPECT_EQ(field.Scroll(), scroll);
  }

  std::uint32_t now_ = 0;
};

TEST_F(OTextFieldTest, TypingStopsAtTheMaximumLengthWithTheCaretInView) {
  OTextField& field = FocusedField("");
  ASSERT_TRUE(field.highlighted);
  scene_.Type("abcdefghijklmnopqrst");
  EXPECT_EQ(field.Text(), "abcdefghijklmnop");
  ExpectCaret(field, 16, 2);

  {
    SCOPED_TRACE("control codes and Enter's character insert nothing");
    scene_.Key(OTextField::kHomeKey);
    field.SetMaxLength(20);
    scene_.Type("\r\b\x1b");
    EXPECT_EQ(field.Text(), "abcdefghijklmnop");
  }
  {
    SCOPED_TRACE("a longer text set by the screen takes no more typing");
    field.SetMaxLength(16);
    field.SetText("abcdefghijklmnopq");
    scene_.Type("x");
    EXPECT_EQ(field.Text(), "abcdefghijklmnopq");
  }
}

TEST_F(OTextFieldTest, EditingKeysAtTheEndsChangeNothing) {
  OTextField& field = FocusedField("name");
  scene_.Key(OTextField::kDeleteKey);
  EXPECT_EQ(field.Text(), "name");
  ExpectCaret(field, 4, 0);

  scene_.Key(OTextField::kHomeKey);
  scene_.Key(OTextField::kBackspaceKey);
  scene_.Key(OTextField::kLeftKey);
  EXPECT_EQ(field.Text(), "name");
  ExpectCaret(field, 0, 0);

  scene_.Key(OTextField::kDeleteKey);
  scene_.Type("N");
  EXPECT_EQ(field.Text(), "Name");
  ExpectCaret(field, 1, 0);

  scene_.Key(OTextField::kEndKey);
  scene_.Key(OTextField::kBackspaceKey);
  EXPECT_EQ(field.Text(), "Nam");
  EXPECT_FALSE(scene_.Key(112)) << "a key the field has no use for";
}

TEST_F(OTextFieldTest, RightScrollsOnlyWhenTheCaretPassesTheEdge) {
  OTextField& field = FocusedField("abcdefghijklmnopqrst");
  ExpectCaret(field, 20, 6);
  scene_.Key(OTextField::kHomeKey);
  ExpectCaret(field, 0, 0);
  for (std::size_t caret = 1; caret <= 14; ++caret) {
    scene_.Key(OTextField::kRightKey);
    SCOPED_TRACE(caret);
    ExpectCaret(field, caret, 0);
  }
  scene_.Key(OTextField::kRightKey);
  ExpectCaret(field, 15, 1);
  scene_.Key(OTextField::kRightKey);
  ExpectCaret(field, 16, 2);

  {
    SCOPED_TRACE("Left scrolls back only at the left edge");
    for (int i = 0; i < 14; ++i) {
      scene_.Key(OTextField::kLeftKey);
    }
    ExpectCaret(field, 2, 2);
    scene_.Key(OTextField::kLeftKey);
    ExpectCaret(field, 1, 1);
  }
  {
    SCOPED_TRACE("Backspace with the text scrolled keeps the caret in view");
    scene_.Key(OTextField::kEndKey);
    ExpectCaret(field, 20, 6);
    scene_.Key(OTextField::kBackspaceKey);
    EXPECT_EQ(field.Text(), "abcdefghijklmnopqrs");
    ExpectCaret(field, 19, 5);
  }
}

TEST_F(OTextFieldTest, EnterTellsTheScreenWithCodeZero) {
  OTextField& field = FocusedField("Ann");
  scene_.TakeCommands();
  EXPECT_TRUE(scene_.Key(OTextField::kEnterKey));
  EXPECT_EQ(scene_.TakeCommands(), (std::vector<Command>{{kFieldId, 0}}));
  EXPECT_EQ(field.Text(), "Ann");
}

TEST_F(OTextFieldTest, CaretShowsInTheSecondHalfOfEachSecondWhileFocused) {
  OTextField& field = FocusedField("abc");
  for (const auto& [time, shown] : {std::pair{0u, false},
                                    {500u, false},
                                    {501u, true},
                                    {999u, true},
                                    {1000u, false},
                                    {1200u, false},
                                    {1700u, true}}) {
    SCOPED_TRACE(time);
    now_ = time;
    EXPECT_EQ(field.CaretShown(), shown);
  }

  // The caret stands after "abc", from layout x 132 (102 + 3 x 10) to 134:
  // pixel x 166. Pixel y 350 is layout y 139, inside the caret's height.
  constexpr int kCaretX = 166;
  constexpr int kCaretY = 350;
  now_ = 700;
  EXPECT_EQ(scene_.DrawnPixel(kCaretX, kCaretY), (std::array<std::uint8_t, 3>{0, 0, 0}));
  now_ = 200;
  EXPECT_NE(scene_.DrawnPixel(kCaretX, kCaretY), (std::array<std::uint8_t, 3>{0, 0, 0}));

  field.Unhighlight();
  now_ = 700;
  EXPECT_FALSE(field.CaretShown());
  EXPECT_NE(scene_.DrawnPixel(kCaretX, kCaretY), (std::array<std::uint8_t, 3>{0, 0, 0}));
}

TEST_F(OTextFieldTest, FieldsRightAndTopEdgesAreOutside) {
  auto made = std::make_unique<OTextField>(&scene_.Font(), "", kFieldId, true);
  made->SetPosition(kFieldX, kFieldY);
  OTextField& field = scene_.Add(std::move(made));
  // Layout x 252 = 102 + 150 is pixel 315; layout y 145 = 120 + 25 is pixel 344.0625, so 344 lies above.
  for (const auto& [x, y, inside] : {std::tuple{315, kInsideY, false},
                                     {314, kInsideY, true},
                                     {kInsideX, 344, false},
                                     {kInsideX, 346, true},
                                     {128, kInsideY, true},
                                     {127, kInsideY, false}}) {
    SCOPED_TRACE(testing::Message() << x << ", " << y);
    EXPECT_EQ(field.HitTest(OEvent::Mouse(OEvent::kMouseMove, 0, 0, x, y)), inside);
  }
  scene_.Click(315, kInsideY);
  EXPECT_FALSE(field.highlighted);
  scene_.Click(314, kInsideY);
  EXPECT_TRUE(field.highlighted);

  field.SetDisabled(true);
  EXPECT_FALSE(field.HitTest(OEvent::Mouse(OEvent::kMouseMove, 0, 0, 314, kInsideY)));
}

}  // namespace
