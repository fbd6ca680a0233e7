// How a screen hands input to its controls: by hit test alone while it has no
// focusable controls, otherwise keys to the focused control and the mouse to
// the controls it activates; and how the Tab order follows added and removed
// controls.
#include <gtest/gtest.h>

#include <memory>

#include "ScreenFakes.h"

namespace {

constexpr std::uint32_t kMove = OEvent::kMouseMove;
constexpr std::uint32_t kPress = OEvent::kButtonDown;
constexpr std::uint16_t kTab = ORenderWindow::kTabKey;

class ORenderWindowTest : public ::testing::Test {
 protected:
  FakeControl& Add(const std::string& name, bool focusable = false, std::uint32_t activation = 0) {
    auto control = std::make_unique<FakeControl>(name, focusable, log_);
    control->activation = activation;
    FakeControl& added = *control;
    screen_.AddControl(std::move(control));
    return added;
  }
  bool Send(std::uint32_t type, std::uint16_t key = 0) {
    OEvent event;
    event.type = type;
    event.key = key;
    return screen_.HandleEvent(event);
  }

  Log log_;
  ORenderWindow screen_{201};
};

TEST_F(ORenderWindowTest, AddingAControlPlacesItAndGivesFocusablesTheNextTabPlace) {
  FakeControl& first = Add("first", true);
  Add("plain");
  FakeControl& second = Add("second", true);
  EXPECT_EQ(Take(log_), (Log{"first init", "plain init", "second init"}));
  EXPECT_EQ(first.owner, &screen_);
  EXPECT_EQ(second.tabIndex, 1);
  EXPECT_EQ(screen_.FocusCount(), 2);

  screen_.AddControl(std::unique_ptr<OControl>(&first));
  EXPECT_TRUE(log_.empty()) << "a second registration changes nothing, and deletes nothing";
  EXPECT_EQ(screen_.FocusCount(), 2);
}

TEST_F(ORenderWindowTest, WithoutFocusEveryEventGoesByHitTestFromTheTopControlDown) {
  FakeControl& below = Add("below");
  FakeControl& above = Add("above");
  FakeControl& disabled = Add("disabled");
  below.hit = above.hit = disabled.hit = true;
  disabled.enabled = false;
  above.consumes = true;
  Take(log_);
  EXPECT_TRUE(Send(kMove));
  EXPECT_EQ(Take(log_), (Log{"above highlight", "above event 4"}));

  above.consumes = false;
  EXPECT_FALSE(Send(OEvent::kKeyDown, kTab)) << "keys too, Tab included";
  EXPECT_EQ(Take(log_), (Log{"above event 2", "above unhighlight", "below highlight", "below event 2"}));

  below.hit = above.hit = false;
  EXPECT_FALSE(Send(kMove));
  EXPECT_EQ(Take(log_), (Log{"below unhighlight"}));
  EXPECT_EQ(screen_.Hovered(), &below) << "the hover survives the unhighlighting";
}

TEST_F(ORenderWindowTest, WithoutFocusAPressedControlKeepsTheMouseWhenThePointerLeaves) {
  FakeControl& slider = Add("slider", false, 1);
  slider.hit = true;
  Take(log_);
  EXPECT_FALSE(Send(kMove));
  EXPECT_EQ(Take(log_), (Log{"slider event 4"})) << "not activated by a move, yet given it";
  slider.consumes = true;
  EXPECT_TRUE(Send(kPress));
  EXPECT_EQ(Take(log_), (Log{"slider highlight", "slider event 6"}));
  slider.hit = false;
  EXPECT_TRUE(Send(kMove));
  EXPECT_TRUE(Send(OEvent::kButtonUp));
  EXPECT_EQ(Take(log_), (Log{"slider event 4", "slider event 7"}));
  EXPECT_TRUE(slider.highlighted);
}

TEST_F(ORenderWindowTest, TabMovesTheFocusAndKeysGoToTheFocusedControl) {
  FakeControl& first = Add("first", true);
  Add("plain");
  FakeControl& second = Add("second", true);
  screen_.OnShow();
  Take(log_);
  EXPECT_FALSE(Send(OEvent::kCharacter, 'x')) << "no focus yet";
  {
    SCOPED_TRACE("Tab from no focus goes to the first place and is consumed");
    EXPECT_TRUE(Send(OEvent::kKeyDown, kTab));
    EXPECT_TRUE(Send(OEvent::kKeyUp, kTab));
    EXPECT_EQ(Take(log_), (Log{"first highlight"}));
    EXPECT_EQ(screen_.Focused(), &first);
  }
  first.consumes = true;
  EXPECT_TRUE(Send(OEvent::kCharacter, 'x'));
  EXPECT_EQ(Take(log_), (Log{"first event 1"}));
  {
    SCOPED_TRACE("Tab on, and round from the last place");
    Send(OEvent::kKeyDown, kTab);
    Send(OEvent::kKeyDown, kTab);
    EXPECT_EQ(Take(log_),
              (Log{"first unhighlight", "second highlight", "second unhighlight", "first highlight"}));
    EXPECT_EQ(screen_.FocusIndex(), 0);
  }
  second.enabled = false;
  EXPECT_FALSE(Send(OEvent::kKeyDown, kTab)) << "a disabled control takes no focus";
  EXPECT_TRUE(log_.empty());
}

TEST_F(ORenderWindowTest, WithFocusTheMouseGoesOnlyToControlsItActivates) {
  FakeControl& field = Add("field", true, 1);
  FakeControl& check = Add("check", true);
  FakeControl& button = Add("button");
  field.hit = true;
  Take(log_);
  {
    SCOPED_TRACE("a field wants a press: moves and releases over it go nowhere");
    EXPECT_FALSE(Send(kMove));
    EXPECT_FALSE(Send(OEvent::kButtonUp));
    EXPECT_TRUE(log_.empty());
    EXPECT_FALSE(Send(kPress));
    EXPECT_FALSE(Send(kPress));
    EXPECT_EQ(Take(log_), (Log{"field highlight", "field event 6", "field unhighlight", "field highlight",
                               "field event 6"}));
    EXPECT_EQ(screen_.FocusIndex(), 0);
  }
  {
    SCOPED_TRACE("overlapping controls: the upper one takes the move");
    check.hit = button.hit = true;
    button.consumes = true;
    EXPECT_TRUE(Send(kMove));
    EXPECT_EQ(Take(log_), (Log{"button highlight", "button event 4"}));
    EXPECT_EQ(screen_.FocusIndex(), 0) << "a plain button takes no focus";
  }
  {
    SCOPED_TRACE("a focusable control under the pointer takes the focus and drops it on leaving");
    button.hit = false;
    EXPECT_FALSE(Send(kMove));
    check.hit = false;
    EXPECT_FALSE(Send(kMove));
    EXPECT_EQ(Take(log_), (Log{"button unhighlight", "field unhighlight", "check highlight", "check event 4",
                               "check unhighlight"}));
    EXPECT_EQ(screen_.FocusIndex(), -1);
    EXPECT_EQ(screen_.Focused(), &check);
  }
  screen_.OnHide();
  EXPECT_EQ(Take(log_), (Log{"check unhighlight", "check unhighlight"}));
  EXPECT_EQ(screen_.Focused(), nullptr);
  EXPECT_EQ(screen_.Hovered(), nullptr);
}

TEST_F(ORenderWindowTest, RemovingAFocusableControlMovesTheLaterOnesUpTheTabOrder) {
  FakeControl& first = Add("first", true);
  FakeControl& plain = Add("plain");
  FakeControl& second = Add("second", true);
  FakeControl& third = Add("third", true);
  plain.tabIndex = 7;
  Take(log_);
  std::unique_ptr<OControl> removed = screen_.RemoveControl(&second);
  EXPECT_EQ(removed.get(), &second);
  EXPECT_EQ(third.tabIndex, 1);
  EXPECT_EQ(plain.tabIndex, 7) << "only focusable controls have a place";
  EXPECT_EQ(screen_.FocusCount(), 2);
  EXPECT_EQ(screen_.RemoveControl(&second), nullptr);

  Send(OEvent::kKeyDown, kTab);
  removed = screen_.RemoveControl(&first);
  EXPECT_EQ(screen_.Focused(), nullptr);
  EXPECT_EQ(third.tabIndex, 0);
  EXPECT_EQ(screen_.FocusCount(), 1);
}

// A pressed name field is hovered as well as focused; once taken out and
// deleted, the screen must not reach for it when the mouse moves on.
TEST_F(ORenderWindowTest, ARemovedControlIsNeitherFocusedNorHoveredAnyMore) {
  FakeControl& field = Add("field", true, 1);
  Add("button");
  field.hit = true;
  Send(kPress);
  screen_.RemoveControl(&field).reset();
  EXPECT_EQ(screen_.Focused(), nullptr);
  EXPECT_EQ(screen_.Hovered(), nullptr);
  EXPECT_EQ(screen_.FocusCount(), 0);
  Take(log_);
  EXPECT_FALSE(Send(kMove));
  EXPECT_TRUE(log_.empty());
}

}  // namespace
