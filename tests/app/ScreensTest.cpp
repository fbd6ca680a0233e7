// Screens and their controls: input handed to the controls by hit test while
// a screen has no focusable controls, otherwise keys to the focused control
// and the mouse to the controls it activates; the Tab order as controls come
// and go; the registered screens and how the shown one is switched.
#include <gtest/gtest.h>

#include <memory>

#include "AppWorld.h"
#include "ui/KeyCodes.h"

namespace {

constexpr std::uint32_t kMove = OEvent::kMouseMove;
constexpr std::uint32_t kPress = OEvent::kButtonDown;
constexpr std::uint32_t kRelease = OEvent::kButtonUp;
constexpr std::uint32_t kKey = OEvent::kKeyDown;
constexpr std::uint16_t kTab = keycode::kTab;

// One event of a script: the controls under the pointer and those that take
// the event (by name), and what the screen answers, where the focus stands and
// what the controls were asked, in order.
struct Step {
  const char* hits;
  const char* consumers;
  std::uint32_t type;
  std::uint16_t key;
  bool consumed;
  int focusIndex;
  const char* calls;
};

class ORenderWindowTest : public ::testing::Test {
 protected:
  FakeControl& Add(const std::string& name, bool focusable = false, std::uint32_t activation = 0) {
    auto control = std::make_unique<FakeControl>(name, focusable, log_);
    control->activation = activation;
    FakeControl& added = *control;
    screen_.AddControl(std::move(control));
    named_.emplace_back(" " + name + " ", &added);
    return added;
  }
  bool Send(std::uint32_t type, std::uint16_t key = 0) {
    return screen_.HandleEvent(OEvent::Key(type, key, 0));
  }
  void Play(const std::vector<Step>& script) {
    Take(log_);
    for (const Step& step : script) {
      SCOPED_TRACE(std::string("hits \"") + step.hits + "\", event " + std::to_string(step.type));
      for (auto& [name, control] : named_) {
        control->hit = (" " + std::string(step.hits) + " ").find(name) != std::string::npos;
        control->consumes = (" " + std::string(step.consumers) + " ").find(name) != std::string::npos;
      }
      EXPECT_EQ(Send(step.type, step.key), step.consumed);
      EXPECT_EQ(screen_.FocusIndex(), step.focusIndex);
      std::string calls;
      for (const std::string& call : Take(log_)) {
        calls += (calls.empty() ? "" : ", ") + call;
      }
      EXPECT_EQ(calls, step.calls);
    }
  }

  Log log_;
  ORenderWindow screen_{201};
  std::vector<std::pair<std::string, FakeControl*>> named_;
};

// Keys too, Tab included; the hover survives the unhighlighting.
TEST_F(ORenderWindowTest, WithoutFocusEveryEventGoesByHitTestFromTheTopControlDown) {
  Add("below");
  Add("above");
  Add("disabled").enabled = false;
  Play({{"below above disabled", "above", kMove, 0, true, -1, "above highlight, above event 4"},
        {"below above disabled", "", kKey, kTab, false, -1,
         "above event 2, above unhighlight, below highlight, below event 2"},
        {"", "", kMove, 0, false, -1, "below unhighlight"}});
  EXPECT_EQ(screen_.Hovered(), named_[0].second);
}

TEST_F(ORenderWindowTest, WithoutFocusAPressedSliderKeepsTheMouseWhenThePointerLeaves) {
  FakeControl& slider = Add("slider", false, 1);
  Play({{"slider", "", kMove, 0, false, -1, "slider event 4"},  // not activated by a move, yet given it
        {"slider", "slider", kPress, 0, true, -1, "slider highlight, slider event 6"},
        {"", "slider", kMove, 0, true, -1, "slider event 4"},
        {"", "slider", kRelease, 0, true, -1, "slider event 7"}});
  EXPECT_TRUE(slider.highlighted);
}

// Tab from no focus goes to the first place, is consumed, and goes round.
TEST_F(ORenderWindowTest, TabMovesTheFocusAndKeysGoToTheFocusedControl) {
  Add("first", true);
  Add("plain");
  FakeControl& second = Add("second", true);
  screen_.OnShow();
  Play({{"", "", OEvent::kCharacter, 'x', false, -1, ""},
        {"", "", kKey, kTab, true, 0, "first highlight"},
        {"", "", OEvent::kKeyUp, kTab, true, 0, ""},
        {"", "first", OEvent::kCharacter, 'x', true, 0, "first event 1"},
        {"", "", kKey, kTab, true, 1, "first unhighlight, second highlight"},
        {"", "", kKey, kTab, true, 0, "second unhighlight, first highlight"}});
  EXPECT_EQ(screen_.Focused(), named_[0].second);
  second.enabled = false;
  EXPECT_FALSE(Send(kKey, kTab)) << "a disabled control takes no focus";
  EXPECT_TRUE(log_.empty());
}

// A field wants a press: moves and releases over it go nowhere. Of
// overlapping controls the upper one takes the move; a plain button takes no
// focus; a focusable control under the pointer takes the focus and drops it
// on leaving.
TEST_F(ORenderWindowTest, WithFocusTheMouseGoesOnlyToControlsItActivates) {
  Add("field", true, 1);
  FakeControl& check = Add("check", true);
  Add("button");
  Play({{"field", "", kMove, 0, false, -1, ""},
        {"field", "", kRelease, 0, false, -1, ""},
        {"field", "", kPress, 0, false, 0, "field highlight, field event 6"},
        {"field", "", kPress, 0, false, 0, "field unhighlight, field highlight, field event 6"},
        {"field check button", "button", kMove, 0, true, 0, "button highlight, button event 4"},
        {"field check", "", kMove, 0, false, 1,
         "button unhighlight, field unhighlight, check highlight, check event 4"},
        {"field", "", kMove, 0, false, -1, "check unhighlight"}});
  EXPECT_EQ(screen_.Focused(), &check);
  screen_.OnHide();
  EXPECT_EQ(Take(log_), (Log{"check unhighlight", "check unhighlight"}));
  EXPECT_EQ(screen_.Focused(), nullptr);
  EXPECT_EQ(screen_.Hovered(), nullptr);
}

TEST_F(ORenderWindowTest, FocusablesTakeTabPlacesInTurnAndARemovedControlLeavesNoTrace) {
  FakeControl& first = Add("first", true);
  FakeControl& plain = Add("plain");
  FakeControl& second = Add("second", true);
  FakeControl& third = Add("third", true);
  EXPECT_EQ(Take(log_), (Log{"first init", "plain init", "second init", "third init"}));
  EXPECT_EQ(third.tabIndex, 2);
  screen_.AddControl(std::unique_ptr<OControl>(&first));
  EXPECT_TRUE(log_.empty()) << "a second registration changes nothing, and deletes nothing";
  EXPECT_EQ(screen_.FocusCount(), 3);

  plain.tabIndex = 7;
  std::unique_ptr<OControl> removed = screen_.RemoveControl(&second);
  EXPECT_EQ(third.tabIndex, 1);
  EXPECT_EQ(plain.tabIndex, 7) << "only focusable controls have a place";
  EXPECT_EQ(screen_.FocusCount(), 2);
  EXPECT_EQ(screen_.RemoveControl(&second), nullptr);
  // Pressed, a control is hovered as well as focused; once taken out and
  // deleted, the screen must not reach for it when the mouse moves on.
  first.hit = true;
  Send(kPress);
  screen_.RemoveControl(&first).reset();
  EXPECT_EQ(screen_.Focused(), nullptr);
  EXPECT_EQ(screen_.Hovered(), nullptr);
  EXPECT_EQ(third.tabIndex, 0);
  EXPECT_EQ(screen_.FocusCount(), 1);
  Take(log_);
  EXPECT_FALSE(Send(kMove));
  EXPECT_TRUE(log_.empty());
}

class OScreenListTest : public ::testing::Test {
 protected:
  FakeScreen* Register(std::uint32_t identifier) {
    auto screen = std::make_unique<FakeScreen>(identifier, log_);
    FakeScreen* registered = screen.get();
    screens_.AddWindow(std::move(screen));
    return registered;
  }

  Log log_;
  FakeHost host_;
  OScreenList& screens_ = host_.screens;
};

TEST_F(OScreenListTest, SwitchingShowsTheFirstScreenWithTheIdentifierAndRemovingLeavesNoneShown) {
  Register(201);
  FakeScreen* game = Register(202);
  Register(202);
  Take(log_);
  EXPECT_FALSE(screens_.AddWindow(std::unique_ptr<ORenderWindow>(game)))
      << "a second registration changes nothing";
  EXPECT_EQ(screens_.FindWindow(202), game);
  EXPECT_EQ(screens_.FindWindow(203), nullptr);
  EXPECT_TRUE(screens_.SetActiveWindow(201));
  EXPECT_TRUE(screens_.SetActiveWindow(202));
  EXPECT_TRUE(screens_.SetActiveWindow(202)) << "the shown screen again, which refreshes it";
  EXPECT_EQ(Take(log_), (Log{"201 show", "201 hide", "202 show", "202 hide", "202 show"}));
  EXPECT_FALSE(screens_.SetActiveWindow(203));
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(screens_.ActiveWindow(), game) << "an unknown identifier keeps the shown screen";

  std::unique_ptr<ORenderWindow> removed = screens_.RemoveWindow(game);
  EXPECT_EQ(screens_.ActiveWindow(), nullptr) << "deleting it must leave nothing dangling";
  EXPECT_EQ(screens_.RemoveWindow(game), nullptr);
  removed.reset();
  screens_.DeleteAll();
  EXPECT_EQ(Take(log_), (Log{"202 deleted", "201 deleted", "202 deleted"}));
}

}  // namespace
