#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "control_fixture.h"

namespace zelvane::control {
namespace {

// The 1024 x 768 screen of the simulated machine, with a task bar 40 pixels high
// or, on the right, 60 pixels wide.
constexpr host::Rect kScreen{0, 0, 1024, 768};
constexpr host::Rect kBottomTaskBar{0, 0, 1024, 728};
constexpr host::Rect kRightTaskBar{0, 0, 964, 768};
constexpr sim::SimMonitor kRightMonitor{{1024, 0, 2304, 1024}, {1024, 0, 2304, 1024}};
constexpr sim::SimMonitor kLowerMonitor{{0, 768, 1024, 1536}, {0, 768, 1024, 1496}};

struct Step {
  const char16_t* typed;
  host::Rect list;                           // where the drop-down shows after the pause
  std::optional<host::Rect> workArea = {};  // of the primary monitor, set before typing
};

struct PlacementCase {
  const char* name;
  host::Rect workArea;                 // of the primary monitor
  std::optional<sim::SimMonitor> second;
  host::Rect control;                  // on the screen
  int itemHeight;
  std::vector<Step> steps;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

class DropDownPlacementTest : public ::testing::TestWithParam<PlacementCase> {
 protected:
  support::SimMachine machine;
};

// With 16-pixel rows, "a" offers 7 of 8 rows (114 pixels), "ab" 2 rows (34 pixels).
TEST_P(DropDownPlacementTest, StaysInTheWorkAreaOfTheControlsMonitor) {
  const PlacementCase& c = GetParam();
  machine.desktop.SetWorkArea(c.workArea);
  if (c.second) machine.desktop.AddMonitor(c.second->rcMonitor, c.second->rcWork);
  const host::Rect size{0, 0, c.control.right - c.control.left, c.control.bottom - c.control.top};
  support::SimForm form(machine, {c.control, size});
  form.Container().SetUserMode(true);
  Zelvane& z = form.CreateNew();
  for (const char16_t* item : {u"ac6", u"ac5", u"ac4", u"ac3", u"ac2", u"ac1", u"ab2", u"ab1"}) z.AddItem(item);
  form.Lst().SetItemHeight(c.itemHeight);

  machine.desktop.ClearCallLog();
  std::size_t changes = 0;
  for (std::size_t i = 0; i < c.steps.size(); ++i) {
    if (c.steps[i].workArea) {
      machine.desktop.SetWorkArea(*c.steps[i].workArea);
      ++changes;
    }
    form.Type(c.steps[i].typed);
    form.Wait(150);
    host::Rect list{};
    machine.desktop.GetWindowRect(form.Lst().hWnd(), &list);
    EXPECT_EQ(list, c.steps[i].list) << "step " << i;
  }
  // The system is asked for the work area at the opening and after each change only.
  const auto& calls = machine.desktop.CallLog();
  const auto asked = [](const std::string& call) { return call.rfind("MonitorFromRect", 0) == 0; };
  EXPECT_EQ(std::count_if(calls.begin(), calls.end(), asked), static_cast<std::ptrdiff_t>(1 + changes));
  // Re-placed, never closed in between; and where it went, it takes a click.
  EXPECT_EQ(form.Events().Count("DropDownList"), static_cast<int>(c.steps.size()));
  EXPECT_EQ(form.Events().Count("CloseUpList"), 0);
  form.ClickRow(1);
  EXPECT_EQ(form.Txt().Text(), form.Lst().List(1));
  EXPECT_FALSE(form.Lst().Visible());
}

INSTANTIATE_TEST_SUITE_P(
    Edges, DropDownPlacementTest,
    ::testing::Values(
        PlacementCase{"BelowWhereItFits", kScreen, {}, {120, 130, 244, 155}, 16, {{u"a", {120, 155, 244, 269}}}},
        PlacementCase{"BelowWhenItJustFitsAboveTheTaskBar", kBottomTaskBar, {}, {300, 589, 424, 614}, 16,
                      {{u"a", {300, 614, 424, 728}}}},
        PlacementCase{"AboveWhenItWouldReachTheTaskBar", kBottomTaskBar, {}, {300, 590, 424, 615}, 16,
                      {{u"a", {300, 476, 424, 590}}}},
        PlacementCase{"AboveForAControlPartlyOffTheBottom", kScreen, {}, {300, 750, 424, 775}, 16,
                      {{u"a", {300, 636, 424, 750}}}},
        PlacementCase{"ShiftedLeftOfATaskBarOnTheRight", kRightTaskBar, {}, {900, 300, 1024, 325}, 16,
                      {{u"a", {840, 325, 964, 439}}}},
        PlacementCase{"ShiftedRightForAControlPartlyOffTheLeft", kScreen, {}, {-50, 300, 74, 325}, 16,
                      {{u"a", {0, 325, 124, 439}}}},
        PlacementCase{"ShiftedOntoTheNearestMonitorForAControlOffEveryOne", kScreen, kRightMonitor,
                      {2400, 300, 2524, 325}, 16, {{u"a", {2180, 325, 2304, 439}}}},
        PlacementCase{"WiderThanTheWorkAreaKeepsItsLeftEdgeInView", kScreen, {}, {-100, 300, 1124, 325}, 16,
                      {{u"a", {0, 325, 1224, 439}}}},
        // 7 rows of 60 pixels: 422 pixels, more than either side has.
        PlacementCase{"TallListBelowWhereMoreOfItShows", kBottomTaskBar, {}, {300, 340, 424, 365}, 60,
                      {{u"a", {300, 365, 424, 787}}}},
        PlacementCase{"TallListAboveWhereMoreOfItShows", kBottomTaskBar, {}, {300, 380, 424, 405}, 60,
                      {{u"a", {300, -42, 424, 380}}}},
        PlacementCase{"BelowOnATallerMonitorToTheRight", kScreen, kRightMonitor, {1100, 700, 1224, 725}, 16,
                      {{u"a", {1100, 725, 1224, 839}}}},
        PlacementCase{"OnTheMonitorHoldingMostOfTheControl", kScreen, kRightMonitor, {980, 700, 1104, 725}, 16,
                      {{u"a", {1024, 725, 1148, 839}}}},
        PlacementCase{"AboveTheTaskBarOfAMonitorBelow", kScreen, kLowerMonitor, {120, 1390, 244, 1415}, 16,
                      {{u"a", {120, 1276, 244, 1390}}}},
        PlacementCase{"FlipsBelowWhenTypingShrinksIt", kBottomTaskBar, {}, {120, 600, 244, 625}, 16,
                      {{u"a", {120, 486, 244, 600}}, {u"b", {120, 625, 244, 659}}}},
        // "ac" offers 6 rows (98 pixels), which no longer fit below once the task bar is 68 pixels high.
        PlacementCase{"FlipsAboveWhenTheTaskBarGrowsUnderIt", kScreen, {}, {300, 600, 424, 625}, 16,
                      {{u"a", {300, 625, 424, 739}}, {u"c", {300, 502, 424, 600}, host::Rect{0, 0, 1024, 700}}}}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelvane::control
