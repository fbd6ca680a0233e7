// The event record as the window fills it and controls read it.
#include <gtest/gtest.h>

#include "ui/OControl.h"
#include "ui/OEvent.h"

TEST(OEventTest, MovesCarryWrappedStepsAndKeysCarryThePointer) {
  OEvent::Mouse(OEvent::kMouseMove, 0, 0, 3, 10);
  const OEvent move = OEvent::Mouse(OEvent::kMouseMove, 0, 0, 1, 12);
  EXPECT_EQ(move.dx, 65534);
  EXPECT_EQ(move.SignedDx(), -2);
  EXPECT_EQ(move.SignedDy(), 2);

  const OEvent key = OEvent::Key(OEvent::kKeyDown, 27, 0);
  EXPECT_EQ(key.x, 1);
  EXPECT_EQ(key.y, 12);
  EXPECT_EQ(key.dx, 0);

  // A button press moves the remembered pointer but carries no step.
  const OEvent press = OEvent::Mouse(OEvent::kButtonDown, OEvent::kRight, 0, 40, 50);
  EXPECT_EQ(press.dx, 0);
  EXPECT_EQ(OEvent::Mouse(OEvent::kMouseMove, 0, 0, 41, 50).SignedDx(), 1);
}

namespace {

struct Recorder : OCommandHandler {
  bool OnCommand(std::uint32_t id, std::uint32_t code) override {
    lastId = id;
    lastCode = code;
    return answer;
  }
  std::uint32_t lastId = 0;
  std::uint32_t lastCode = 0;
  bool answer = true;
};

}  // namespace

TEST(OControlTest, ReportsToItsOwnerOnceItHasOne) {
  OControl control(2030, true);
  EXPECT_FALSE(control.Notify(OControl::kClicked)) << "a control on no screen has nobody to tell";

  Recorder screen;
  control.owner = &screen;
  EXPECT_TRUE(control.Notify(OControl::kClicked));
  EXPECT_EQ(screen.lastId, 2030u);
  EXPECT_EQ(screen.lastCode, OControl::kClicked);
  screen.answer = false;
  EXPECT_FALSE(control.Notify(OControl::kControlReleased)) << "the owner's answer is the control's";

  EXPECT_TRUE(control.enabled);
  EXPECT_FALSE(control.highlighted);
  control.Highlight();
  EXPECT_TRUE(control.highlighted);
  control.Unhighlight();
  EXPECT_FALSE(control.highlighted);
}
