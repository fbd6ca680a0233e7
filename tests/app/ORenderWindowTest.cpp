// How a screen hands input to its controls: by hit test alone while it has no
// focusable controls, otherwise keys to the focused control and the mouse to
// the controls it activates; and how registering and removing controls keeps
// the Tab order.
#include <gtest/gtest.h>

#include <memory>

#include "ScreenFakes.h"

namespace {

using Log = CallLog;
constexpr std::uint32_t kMove = OEvent::kMouseMove;
constexpr std::uint32_t kPress = OEvent::kButtonDown;
constexpr std::uint32_t kRelease = OEvent::kButtonUp;
constexpr std::uint32_t kKeyDown = OEvent::kKeyDown;
constexpr std::uint32_t kKeyUp = OEvent::kKeyUp;
constexpr std::uint32_t kCharacter = OEvent::kCharacter;
constexpr std::uint16_t kTab = ORenderWindow::kTabKey;

class ORenderWindowTest : public ::testing::Test {
 protected:
  FakeControl& Add(const std::string& name, bool focusable = false) {
    auto control = std::make_unique<FakeControl>(name, focusable, log_);
    FakeControl& added = *control;
    screen_.AddControl(std::move(control));
    log_.clear();
    return added;
  }
  bool Send(std::uint32_t type, std::uint16_t key = 0) { return screen_.HandleEvent(EventOf(type, key)); }

  Log log_;
  ORenderWindow screen_{201};
};

TEST_F(ORenderWindowTest, AddingAControlPlacesItAndGivesFocusablesTheNextTabPlace) {
  auto first = std::make_unique<FakeControl>("first", true, log_);
  auto plain = std::make_unique<FakeControl>("plain", false, log_);
  auto second = std::make_unique<FakeControl>("second", true, log_);
  FakeControl* firstPointer = first.get();
  FakeControl* secondPointer = second.get();
  screen_.AddControl(std::move(first));
  screen_.AddControl(std::move(plain));
  screen_.AddControl(std::move(second));
  EXPECT_EQ(Take(log_), (Log{"first init", "plain init", "second init"}));
  EXPECT_EQ(firstPointer->owner, &screen_);
  EXPECT_EQ(firstPointer->tabIndex, 0);
  EXPECT_EQ(secondPointer->tabIndex, 1);
  EXPECT_EQ(screen_.FocusCount(), 2);

  // A second registration changes nothing and must not lead to a second delete.
  screen_.AddControl(std::unique_ptr<OControl>(firstPointer));
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(screen_.FocusCount(), 2);
}

TEST_F(ORenderWindowTest, WithoutFocusTheLaterOfOverlappingControlsGetsTheMouseFirst) {
  FakeControl& below = Add("below");
  FakeControl& above = Add("above");
  below.hit = above.hit = true;
  {
    SCOPED_TRACE("the upper control takes the move");
    above.consumes = true;
    EXPECT_TRUE(Send(kMove));
    EXPECT_EQ(Take(log_), (Log{"above highlight", "above event 4"}));
    EXPECT_EQ(screen_.Hovered(), &above);
  }
  {
    SCOPED_TRACE("the upper control lets it through, so the lower one takes over the hover");
    above.consumes = false;
    EXPECT_FALSE(Send(kMove));
    EXPECT_EQ(Take(log_), (Log{"above event 4", "above unhighlight", "below highlight", "below event 4"}));
    EXPECT_EQ(screen_.Hovered(), &below);
  }
  {
    SCOPED_TRACE("the pointer leaves both");
    below.hit = above.hit = false;
    EXPECT_FALSE(Send(kMove));
    EXPECT_EQ(Take(log_), (Log{"below unhighlight"}));
    EXPECT_EQ(screen_.Hovered(), &below) << "the hover survives the control's unhighlighting";
  }
}

TEST_F(ORenderWindowTest, WithoutFocusAPressedControlKeepsTheMouseAfterThePointerLeavesIt) {
  FakeControl& slider = Add("slider");
  slider.activation = 1;
  slider.hit = true;
  {
    SCOPED_TRACE("a move over it is no press, yet the control sees it");
    EXPECT_FALSE(Send(kMove));
    EXPECT_EQ(Take(log_), (Log{"slider event 4"}));
    EXPECT_EQ(screen_.Hovered(), nullptr);
  }
  {
    SCOPED_TRACE("a press activates it");
    slider.consumes = true;
    EXPECT_TRUE(Send(kPress));
    EXPECT_EQ(Take(log_), (Log{"slider highlight", "slider event 6"}));
  }
  {
    SCOPED_TRACE("dragged off, it keeps its highlight and the mouse");
    slider.hit = false;
    EXPECT_TRUE(Send(kMove));
    EXPECT_TRUE(Send(kRelease));
    EXPECT_EQ(Take(log_), (Log{"slider event 4", "slider event 7"}));
    EXPECT_TRUE(slider.highlighted);
  }
}

TEST_F(ORenderWindowTest, WithoutFocusKeysGoToTheControlsThatClaimThem) {
  FakeControl& board = Add("board");
  FakeControl& other = Add("other");
  board.hit = true;
  board.consumes = true;
  other.hit = true;
  other.enabled = false;
  EXPECT_TRUE(Send(kKeyDown, kTab));
  EXPECT_EQ(Take(log_), (Log{"board highlight", "board event 2"}))
      << "Tab is an ordinary key here, and a disabled control gets nothing";
  EXPECT_FALSE(other.highlighted);
}

TEST_F(ORenderWindowTest, TabMovesTheFocusAndKeysGoToTheFocusedControl) {
  FakeControl& first = Add("first", true);
  Add("plain");
  FakeControl& second = Add("second", true);
  screen_.OnShow();
  {
    SCOPED_TRACE("no focus yet");
    EXPECT_FALSE(Send(kCharacter, 'x'));
    EXPECT_TRUE(log_.empty());
  }
  {
    SCOPED_TRACE("Tab from no focus reaches the first place, and is consumed");
    EXPECT_TRUE(Send(kKeyDown, kTab));
    EXPECT_TRUE(Send(kKeyUp, kTab));
    EXPECT_EQ(Take(log_), (Log{"first highlight"}));
    EXPECT_EQ(screen_.FocusIndex(), 0);
    EXPECT_EQ(screen_.Focused(), &first);
  }
  {
    SCOPED_TRACE("other keys go to the focused control, which answers");
    EXPECT_FALSE(Send(kCharacter, 'x'));
    first.consumes = true;
    EXPECT_TRUE(Send(kKeyDown, 'X'));
    EXPECT_EQ(Take(log_), (Log{"first event 1", "first event 2"}));
  }
  {
    SCOPED_TRACE("Tab on, then round from the last place");
    EXPECT_TRUE(Send(kKeyDown, kTab));
    EXPECT_EQ(Take(log_), (Log{"first unhighlight", "second highlight"}));
    EXPECT_TRUE(Send(kKeyDown, kTab));
    EXPECT_EQ(Take(log_), (Log{"second unhighlight", "first highlight"}));
    EXPECT_EQ(screen_.FocusIndex(), 0);
  }
  {
    SCOPED_TRACE("a disabled control takes no focus");
    second.enabled = false;
    EXPECT_FALSE(Send(kKeyDown, kTab));
    EXPECT_TRUE(log_.empty());
    EXPECT_EQ(screen_.FocusIndex(), 1);
  }
}

TEST_F(ORenderWindowTest, WithFocusAControlActivatedByPressOnlyIgnoresMovesAndReleases) {
  FakeControl& field = Add("field", true);
  FakeControl& button = Add("button");
  field.activation = 1;
  field.hit = true;
  {
    SCOPED_TRACE("moves and releases over the field");
    EXPECT_FALSE(Send(kMove));
    EXPECT_FALSE(Send(kRelease));
    EXPECT_TRUE(log_.empty());
  }
  {
    SCOPED_TRACE("a press focuses it, again and again");
    EXPECT_FALSE(Send(kPress));
    EXPECT_EQ(Take(log_), (Log{"field highlight", "field event 6"}));
    EXPECT_EQ(screen_.FocusIndex(), 0);
    EXPECT_FALSE(Send(kPress));
    EXPECT_EQ(Take(log_), (Log{"field unhighlight", "field highlight", "field event 6"}));
    EXPECT_EQ(screen_.Hovered(), &field);
  }
  {
    SCOPED_TRACE("a plain button above it, under the pointer and then left");
    button.hit = true;
    EXPECT_FALSE(Send(kMove));
    button.hit = false;
    EXPECT_FALSE(Send(kMove));
    EXPECT_EQ(Take(log_), (Log{"button highlight", "button event 4", "button unhighlight"}));
    EXPECT_EQ(screen_.FocusIndex(), 0) << "the field keeps the focus";
  }
}

TEST_F(ORenderWindowTest, WithFocusTheMouseGoesToTheUpperControlAndLeavingDropsTheFocus) {
  FakeControl& below = Add("below", true);
  FakeControl& above = Add("above", true);
  below.hit = above.hit = true;
  above.consumes = true;
  EXPECT_TRUE(Send(kMove));
  EXPECT_EQ(Take(log_), (Log{"above highlight", "above event 4"}));
  EXPECT_EQ(screen_.FocusIndex(), 1);

  above.hit = false;
  EXPECT_FALSE(Send(kMove));
  EXPECT_EQ(Take(log_), (Log{"above unhighlight", "above unhighlight", "below highlight", "below event 4"}))
      << "once for leaving the pointer, once for losing the focus";
  EXPECT_EQ(screen_.FocusIndex(), 0);

  below.hit = false;
  EXPECT_FALSE(Send(kMove));
  EXPECT_EQ(Take(log_), (Log{"below unhighlight"}));
  EXPECT_EQ(screen_.FocusIndex(), -1);
  EXPECT_EQ(screen_.Focused(), &below) << "the focus pointer survives the unhighlighting";
}

TEST_F(ORenderWindowTest, HidingLetsGoOfFocusAndHoverAndShowingStartsWithoutFocus) {
  FakeControl& field = Add("field", true);
  FakeControl& button = Add("button");
  EXPECT_TRUE(Send(kKeyDown, kTab));
  button.hit = true;
  Send(kMove);
  Take(log_);

  screen_.OnHide();
  EXPECT_EQ(Take(log_), (Log{"field unhighlight", "button unhighlight"}));
  EXPECT_EQ(screen_.Focused(), nullptr);
  EXPECT_EQ(screen_.Hovered(), nullptr);
  EXPECT_FALSE(field.highlighted || button.highlighted);
  screen_.OnShow();
  EXPECT_EQ(screen_.FocusIndex(), -1);
}

TEST_F(ORenderWindowTest, RemovingAFocusableControlMovesTheLaterOnesUpTheTabOrder) {
  FakeControl& first = Add("first", true);
  FakeControl& plain = Add("plain");
  FakeControl& second = Add("second", true);
  FakeControl& third = Add("third", true);
  plain.tabIndex = 7;

  std::unique_ptr<OControl> removed = screen_.RemoveControl(&second);
  EXPECT_EQ(removed.get(), &second);
  EXPECT_TRUE(log_.empty()) << "handed back, not deleted";
  EXPECT_EQ(third.tabIndex, 1);
  EXPECT_EQ(plain.tabIndex, 7) << "only focusable controls have a place";
  EXPECT_EQ(screen_.FocusCount(), 2);
  EXPECT_EQ(screen_.RemoveControl(&second), nullptr);

  EXPECT_TRUE(Send(kKeyDown, kTab));
  screen_.RemoveControl(&first);
  EXPECT_EQ(screen_.Focused(), nullptr);
  EXPECT_EQ(third.tabIndex, 0);
  EXPECT_EQ(screen_.FocusCount(), 1);

  screen_.RemoveControl(&third);
  EXPECT_EQ(screen_.FocusCount(), 0);
  plain.hit = true;
  Send(kMove);
  Take(log_);
  EXPECT_EQ(screen_.RemoveControl(&plain).get(), &plain);
  EXPECT_EQ(screen_.Hovered(), nullptr);
}

// A pressed name field is hovered as well as focused; once it is taken out
// and deleted, the screen must not reach for it when the mouse moves on.
TEST_F(ORenderWindowTest, ARemovedFieldIsNeitherFocusedNorHoveredAnyMore) {
  FakeControl& field = Add("field", true);
  Add("button");
  field.activation = 1;
  field.hit = true;
  Send(kPress);
  screen_.RemoveControl(&field).reset();
  EXPECT_EQ(screen_.Focused(), nullptr);
  EXPECT_EQ(screen_.Hovered(), nullptr);
  Take(log_);
  EXPECT_FALSE(Send(kMove));
  EXPECT_TRUE(log_.empty());
}

}  // namespace
