#include <gtest/gtest.h>

#include <functional>

#include "control_fixture.h"
#include "hooks/m_windows_hook.h"
#include "host/sim/sim_messages.h"

namespace zelvane::control {
namespace {

host::Rect WindowRect(sim::SimDesktop& desktop, host::Hwnd hwnd) {
  host::Rect r{};
  desktop.GetWindowRect(hwnd, &r);
  return r;
}

// Opens the drop-down with `rows` matching rows.
void OpenWith(support::SimForm& form, int rows) {
  form.Container().SetUserMode(true);
  Zelvane& z = form.CreateNew();
  for (int i = rows; i >= 1; --i) z.AddItem(u"row" + std::u16string(1, static_cast<char16_t>(u'@' + i)));
  form.Type(u"r");
  form.Wait(150);
}

struct HeightCase {
  int rows;
  int itemHeight;
  int height;
};

class DropDownHeightTest : public ControlTest, public ::testing::WithParamInterface<HeightCase> {};

TEST_P(DropDownHeightTest, ShowsAtMostSevenRowsBelowTheControl) {
  form.Lst().SetItemHeight(GetParam().itemHeight);
  OpenWith(form, GetParam().rows);
  ASSERT_TRUE(form.Lst().Visible());
  const host::Rect control = WindowRect(machine.desktop, form.Surface().hWnd());
  const host::Rect list = WindowRect(machine.desktop, form.Lst().hWnd());
  EXPECT_EQ(list, (host::Rect{control.left, control.bottom, control.right, control.bottom + GetParam().height}));
  EXPECT_EQ(machine.desktop.GetParent(form.Lst().hWnd()), machine.desktop.GetDesktopWindow());
}

INSTANTIATE_TEST_SUITE_P(Rows, DropDownHeightTest,
                         ::testing::Values(HeightCase{3, 16, 50}, HeightCase{7, 16, 114}, HeightCase{10, 16, 114},
                                           HeightCase{2, 20, 42}, HeightCase{1, 16, 18}));

TEST_F(ControlTest, DropDownFollowsTheControlWhateverTheContainerScale) {
  form.Container().SetScaleMode(host::vbPixels);
  OpenWith(form, 2);
  const host::Rect control = WindowRect(machine.desktop, form.Surface().hWnd());
  EXPECT_EQ(WindowRect(machine.desktop, form.Lst().hWnd()).left, control.left);
  EXPECT_EQ(WindowRect(machine.desktop, form.Lst().hWnd()).top, control.bottom);
}

TEST_F(ControlTest, UnreadableRowHeightGivesAnEmptyDropDown) {
  RunningWith({u"ab", u"ac"});
  // A window that does not answer LB_GETITEMHEIGHT reads as a row height of 0.
  machine.desktop.SetHandler(form.Lst().hWnd(), nullptr);
  TypeAndPause(u"a");
  machine.desktop.SetHandler(form.Lst().hWnd(), &form.Lst());
  const host::Rect list = WindowRect(machine.desktop, form.Lst().hWnd());
  EXPECT_EQ(list.bottom - list.top, 0);
  EXPECT_EQ(form.Events().Count("DropDownList"), 1);
}

TEST_F(ControlTest, TypingMoreShrinksTheOpenListWithoutClosingIt) {
  RunningWith({u"ab1", u"ab2", u"ac1"});
  TypeAndPause(u"a");
  EXPECT_EQ(WindowRect(machine.desktop, form.Lst().hWnd()).bottom -
                WindowRect(machine.desktop, form.Lst().hWnd()).top,
            50);
  TypeAndPause(u"b");
  EXPECT_EQ(WindowRect(machine.desktop, form.Lst().hWnd()).bottom -
                WindowRect(machine.desktop, form.Lst().hWnd()).top,
            34);
  TypeAndPause(u"x");
  EXPECT_FALSE(form.Lst().Visible());
  const Events names = form.Events().Names();
  Events listEvents;
  for (const auto& n : names) {
    if (n == "DropDownList" || n == "CloseUpList") listEvents.push_back(n);
  }
  EXPECT_EQ(listEvents, (Events{"DropDownList", "DropDownList", "CloseUpList"}));
  // Watching for clicks elsewhere ends with the drop-down.
  EXPECT_TRUE(machine.desktop.Hooks().empty());
}

TEST_F(ControlTest, ClickingARowTakesItAsStoredWithTheCaretAtTheEnd) {
  RunningWith({u"Alpha", u"alps"});
  DropDownFor(u"al");
  form.ClickRow(0);
  EXPECT_EQ(form.Txt().Text(), u"Alpha");
  EXPECT_EQ(form.Txt().SelStart(), 5);
  EXPECT_EQ(form.Txt().SelLength(), 0);
  EXPECT_EQ(form.Events().Names(), (Events{"Change", "CloseUpList", "ListClick"}));
  EXPECT_FALSE(form.Lst().Visible());
  EXPECT_EQ(form.Control().List(0), core::Variant(std::u16string(u"Alpha")));  // not moved
  form.Wait(1000);
  EXPECT_EQ(form.Tmr().TickCount(), 1);
}

TEST_F(ControlTest, AcceptingTheTextItselfRaisesNoChange) {
  RunningWith({u"alps", u"alpine"});
  TypeAndPause(u"alp");
  ASSERT_TRUE(form.Lst().Visible());
  form.Control().SetText(u"alps");
  form.Events().Clear();
  form.ClickRow(0);
  EXPECT_EQ(form.Events().Names(), (Events{"CloseUpList", "ListClick"}));
  EXPECT_FALSE(form.Tmr().Enabled());
}

class ReleaseButtonTest : public ControlTest, public ::testing::WithParamInterface<int> {};

TEST_P(ReleaseButtonTest, AnyButtonReleasedOverTheListTakesTheSelectedRow) {
  RunningWith({u"one", u"only"});
  TypeAndPause(u"o");
  form.ClickRow(1, GetParam());
  EXPECT_EQ(form.Txt().Text(), u"only");
  EXPECT_FALSE(form.Lst().Visible());
}

INSTANTIATE_TEST_SUITE_P(Buttons, ReleaseButtonTest, ::testing::Values(sim::kLeftButton, sim::kRightButton,
                                                                        sim::kMiddleButton));

TEST_F(ControlTest, ReleaseWithNoRowSelectedKeepsTheTextButStillCloses) {
  RunningWith({u"one", u"only"});
  DropDownFor(u"o");
  machine.desktop.MouseDown(form.RowPoint(0), sim::kRightButton);
  machine.desktop.MouseUp(form.RowPoint(0), sim::kRightButton);
  EXPECT_EQ(form.Txt().Text(), u"o");
  EXPECT_EQ(form.Txt().SelStart(), 1);
  EXPECT_FALSE(form.Tmr().Enabled());
  EXPECT_EQ(form.Events().Names(), (Events{"CloseUpList", "ListClick"}));
}

TEST_F(ControlTest, HotTrackingFollowsThePointerAndLeavingTheListClearsIt) {
  RunningWith({u"a1", u"a2", u"a3"});
  TypeAndPause(u"a");
  for (int row = 0; row < 3; ++row) {
    form.HoverRow(row);
    EXPECT_EQ(form.Lst().ListIndex(), row);
    EXPECT_TRUE(form.Control().ListHover());
  }
  form.HoverText();
  EXPECT_EQ(form.Lst().ListIndex(), -1);
  EXPECT_FALSE(form.Control().ListHover());
  // Enter now finds no row: the text is saved as typed.
  form.Press(sim::VK_RETURN);
  EXPECT_EQ(form.Txt().Text(), u"a");
  EXPECT_EQ(form.Control().List(0), core::Variant(std::u16string(u"a")));
}

TEST_F(ControlTest, KeyboardSelectionStaysUntilThePointerHasBeenOverTheList) {
  RunningWith({u"a1", u"a2"});
  TypeAndPause(u"a");
  form.Press(sim::VK_DOWN);
  form.HoverText();
  EXPECT_EQ(form.Lst().ListIndex(), 0);
  form.HoverRow(1);
  form.Press(sim::VK_UP);
  EXPECT_EQ(form.Lst().ListIndex(), 0);
  form.HoverText();
  EXPECT_EQ(form.Lst().ListIndex(), -1);
}

TEST_F(ControlTest, PressingInTheTextBoxClosesTheListBeforeTheBoxSeesThePress) {
  RunningWith({u"a1", u"a2"});
  DropDownFor(u"a");
  machine.desktop.Click(form.TextPoint());
  const Events names = form.Events().Names();
  ASSERT_GE(names.size(), 3u);
  EXPECT_EQ((Events{names[0], names[1], names[2]}), (Events{"CloseUpList", "MouseDown", "MouseUp"}));
  EXPECT_FALSE(form.Lst().Visible());
}

TEST_F(ControlTest, HostCloseUpListHandlerRunsInsideTheMouseHook) {
  RunningWith({u"a1", u"a2"});
  TypeAndPause(u"a");
  std::int32_t hookType = 0;
  bool listShown = true;
  form.Events().On("CloseUpList", [&](support::EventArgs&) {
    hookType = hooks::mWindowsHook::CurrentHookType();
    listShown = form.Lst().Visible();
    form.Control().AddItem(u"from the hook");
  });
  form.ClickOutside();
  EXPECT_EQ(hookType, host::WH_MOUSE);
  EXPECT_FALSE(listShown);
  EXPECT_EQ(form.Control().List(0), core::Variant(std::u16string(u"from the hook")));
  EXPECT_TRUE(machine.desktop.Hooks().empty());
}

TEST_F(ControlTest, PressingInsideTheListKeepsItOpen) {
  RunningWith({u"a1", u"a2"});
  TypeAndPause(u"a");
  machine.desktop.MouseDown(form.RowPoint(1));
  EXPECT_TRUE(form.Lst().Visible());
  EXPECT_EQ(form.Events().Count("CloseUpList"), 0);
}

TEST_F(ControlTest, EmptyItemListDropsDownEmptyAndEnterClosesIt) {
  RunningWith({});
  form.Press(sim::VK_DOWN);
  EXPECT_TRUE(form.Lst().Visible());
  const host::Rect list = WindowRect(machine.desktop, form.Lst().hWnd());
  EXPECT_EQ(list.bottom - list.top, 0);
  form.Press(sim::VK_RETURN);
  EXPECT_FALSE(form.Lst().Visible());
  EXPECT_EQ(form.Events().Count("DropDownList"), 1);
  EXPECT_EQ(form.Events().Count("CloseUpList"), 1);
}

// The container hides the control (in-place deactivation) while its list is open
// or a refill is still waiting: no list is left, or opens later, for a control
// nobody sees, and an open one closes up as on a click elsewhere.
struct DeactivateCase {
  const char* name;
  std::int64_t waitBefore;  // after typing; 150 opens the list
  int closeUps;
};

class DeactivateTest : public ControlTest, public ::testing::WithParamInterface<DeactivateCase> {};

TEST_P(DeactivateTest, LeavesNoListForAHiddenControl) {
  RunningWith({u"alpha", u"alps"});
  form.Type(u"al");
  form.Wait(GetParam().waitBefore);
  form.Control().Deactivate();
  form.Wait(1000);
  EXPECT_FALSE(form.Lst().Visible());
  EXPECT_TRUE(machine.desktop.Hooks().empty());
  EXPECT_EQ(form.Events().Count("CloseUpList"), GetParam().closeUps);
  EXPECT_EQ(form.Events().Count("DropDownList"), GetParam().closeUps);
}

INSTANTIATE_TEST_SUITE_P(Cases, DeactivateTest,
                         ::testing::Values(DeactivateCase{"ListOpen", 150, 1}, DeactivateCase{"RefillWaiting", 100, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// The person moves on without a press this thread sees: to another program
// (Alt+Tab, the Windows key, a press on another program's window), or the form
// goes out of sight. The list closes up as on a press elsewhere.
struct MoveOnCase {
  const char* name;
  std::function<void(sim::SimDesktop&, host::Hwnd form)> move;
  bool closes;
};

class MoveOnTest : public ControlTest, public ::testing::WithParamInterface<MoveOnCase> {};

TEST_P(MoveOnTest, ClosesTheListWhenThePersonMovesOn) {
  RunningWith({u"alpha", u"alps"});
  DropDownFor(u"al");
  GetParam().move(machine.desktop, form.FormWindow());
  EXPECT_EQ(form.Lst().Visible(), !GetParam().closes);
  EXPECT_EQ(form.Events().Names(), GetParam().closes ? Events{"CloseUpList"} : Events{});
  EXPECT_EQ(machine.desktop.Hooks().empty(), GetParam().closes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MoveOnTest,
    ::testing::Values(
        MoveOnCase{"AnotherProgramActivated", [](sim::SimDesktop& d, host::Hwnd) { d.ActivateApp(false); }, true},
        MoveOnCase{"ThisProgramActivated", [](sim::SimDesktop& d, host::Hwnd) { d.ActivateApp(true); }, false},
        MoveOnCase{"FormMinimized", [](sim::SimDesktop& d, host::Hwnd f) { d.MinimizeWindow(f, true); }, true},
        MoveOnCase{"FormHidden", [](sim::SimDesktop& d, host::Hwnd f) { d.ShowWindow(f, false); }, true},
        MoveOnCase{"OtherWindowHidden",
                   [](sim::SimDesktop& d, host::Hwnd) {
                     d.ShowWindow(d.CreateWindow(u"Other", 0, sim::WS_VISIBLE, 0, {600, 0, 700, 100}, nullptr), false);
                   },
                   false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelvane::control
