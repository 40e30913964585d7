#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "drop_down_fixture.h"

namespace zelvane::dropdown::testing {
namespace {

using Log = std::vector<std::string>;

TEST_F(DropDownTest, APressOutsideClosesBeforeThePressedWindowReceivesIt) {
  ShowList();
  EXPECT_TRUE(desktop.MouseDown(kOnForm));  // never consumed: the form still gets it
  EXPECT_EQ(log, (Log{"HideControl", "form button down"}));
  EXPECT_EQ(events.holdsAtHide, 1) << "the hook holds the drop-down's owner while it closes";
  EXPECT_EQ(owner.Holds(), 0);
  EXPECT_FALSE(list->Visible());
  EXPECT_FALSE(cd->Shown());
  EXPECT_TRUE(desktop.Hooks().empty());
}

struct Press {
  int button;
  bool onBorder;  // non-client: the form's border
};

class DropDownPressTest : public DropDownTest, public ::testing::WithParamInterface<Press> {};

TEST_P(DropDownPressTest, AnyButtonInTheClientOrNonClientAreaOutsideCloses) {
  desktop.SetBorder(form, 5);
  ShowList();
  const Press press = GetParam();
  desktop.MouseDown(press.onBorder ? host::Point{102, 250} : kOnForm, press.button);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "HideControl");
  EXPECT_FALSE(cd->Shown());
}

INSTANTIATE_TEST_SUITE_P(Buttons, DropDownPressTest,
                         ::testing::Values(Press{sim::kLeftButton, false}, Press{sim::kRightButton, false},
                                           Press{sim::kMiddleButton, false}, Press{sim::kLeftButton, true},
                                           Press{sim::kRightButton, true}, Press{sim::kMiddleButton, true}));

TEST_F(DropDownTest, APressInsideLeavesItOpen) {
  ShowList();
  desktop.Click(kInsideList);
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(list->Visible());
  EXPECT_TRUE(cd->Shown());
}

struct EdgePress {
  host::Point point;
  bool closes;
};

class DropDownEdgeTest : public DropDownTest, public ::testing::WithParamInterface<EdgePress> {};

TEST_P(DropDownEdgeTest, RightAndBottomEdgesLieOutsideLeftAndTopInside) {
  ShowList();
  desktop.MouseDown(GetParam().point);
  EXPECT_EQ(cd->Shown(), !GetParam().closes);
  EXPECT_EQ(list->Visible(), !GetParam().closes);
}

INSTANTIATE_TEST_SUITE_P(Edges, DropDownEdgeTest,
                         ::testing::Values(EdgePress{{350, 350}, true}, EdgePress{{250, 400}, true},
                                           EdgePress{{349, 399}, false}, EdgePress{{200, 350}, false},
                                           EdgePress{{250, 300}, false}));

TEST_F(DropDownTest, ADoubleClickOutsideClosesOnItsFirstPress) {
  ShowList();
  desktop.DoubleClick(kOnForm);
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[0], "HideControl");
  EXPECT_EQ(log[1], "form button down");
  EXPECT_EQ(std::count(log.begin(), log.end(), "HideControl"), 1);
}

struct MouseMessage {
  std::uint32_t msg;
  bool closes;
};

class DropDownMessageTest : public DropDownTest, public ::testing::WithParamInterface<MouseMessage> {};

TEST_P(DropDownMessageTest, OnlyButtonDownsOutsideAreActedOn) {
  ShowList();
  const host::HookProc procedure = MouseHookProcedure();
  ASSERT_NE(procedure, nullptr);
  host::MouseHookStruct record{kOnForm, form, sim::HTCLIENT, 0};
  procedure(sim::HC_ACTION, GetParam().msg, reinterpret_cast<host::LParam>(&record));
  EXPECT_EQ(cd->Shown(), !GetParam().closes);
  EXPECT_EQ(log.size(), GetParam().closes ? 1u : 0u);
  if (cd->Shown()) cd->Hide();
}

INSTANTIATE_TEST_SUITE_P(
    Messages, DropDownMessageTest,
    ::testing::Values(MouseMessage{host::WM_LBUTTONDOWN, true}, MouseMessage{host::WM_RBUTTONDOWN, true},
                      MouseMessage{host::WM_MBUTTONDOWN, true}, MouseMessage{host::WM_NCLBUTTONDOWN, true},
                      MouseMessage{host::WM_NCRBUTTONDOWN, true}, MouseMessage{host::WM_NCMBUTTONDOWN, true},
                      MouseMessage{host::WM_MOUSEMOVE, false}, MouseMessage{host::WM_LBUTTONUP, false},
                      MouseMessage{host::WM_RBUTTONUP, false}, MouseMessage{host::WM_MBUTTONUP, false},
                      MouseMessage{host::WM_LBUTTONDBLCLK, false}, MouseMessage{sim::WM_RBUTTONDBLCLK, false},
                      MouseMessage{sim::WM_MBUTTONDBLCLK, false}, MouseMessage{0x20A /* wheel */, false},
                      MouseMessage{sim::WM_NCMOUSEMOVE, false}, MouseMessage{sim::WM_NCLBUTTONUP, false},
                      MouseMessage{sim::WM_NCLBUTTONDBLCLK, false}));

TEST_F(DropDownTest, APressOnAnotherThreadDoesNotReachThisThreadsHook) {
  ShowList();
  std::thread([&] { desktop.MouseDown(kOnForm); }).join();
  EXPECT_TRUE(cd->Shown());
  EXPECT_TRUE(list->Visible());
  EXPECT_EQ(std::count(log.begin(), log.end(), "HideControl"), 0);
}

}  // namespace
}  // namespace zelvane::dropdown::testing
