#include <gtest/gtest.h>

#include "control_fixture.h"
#include "host/sim/sim_messages.h"

namespace zelvane::control {
namespace {

// The order in which the host sees events on each road from a person's action.

TEST_F(ControlTest, KeystrokeThenTheDelayOpensTheList) {
  RunningWith({u"ab", u"ac"});
  TypeAndPause(u"a");
  EXPECT_EQ(form.Events().Log(), (Events{"KeyDown(65,0)", "KeyPress(97)", "Change", "KeyUp(65,0)", "DropDownList"}));
}

TEST_F(ControlTest, EnterOnASelectedRow) {
  RunningWith({u"ab", u"ac"});
  TypeAndPause(u"a");
  form.Press(sim::VK_DOWN);
  form.Events().Clear();
  form.Press(sim::VK_RETURN);
  EXPECT_EQ(form.Events().Log(),
            (Events{"KeyDown(13,0)", "Change", "CloseUpList", "ListClick", "KeyPress(13)", "KeyUp(13,0)"}));
}

TEST_F(ControlTest, EnterWithNoRowSavesAndCloses) {
  RunningWith({u"ab", u"ac"});
  DropDownFor(u"a");
  form.Press(sim::VK_RETURN);
  EXPECT_EQ(form.Events().Log(), (Events{"KeyDown(13,0)", "CloseUpList", "KeyPress(13)", "KeyUp(13,0)"}));
}

TEST_F(ControlTest, ClickOnTheFormWhileDroppedDown) {
  RunningWith({u"ab", u"ac"});
  DropDownFor(u"a");
  form.ClickOutside();
  EXPECT_EQ(form.Events().Log(), (Events{"CloseUpList"}));
}

}  // namespace
}  // namespace zelvane::control
