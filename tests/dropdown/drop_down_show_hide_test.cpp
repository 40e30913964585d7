#include <gtest/gtest.h>

#include "core/automation_error.h"
#include "drop_down_fixture.h"

namespace zelvane::dropdown::testing {
namespace {

using Log = std::vector<std::string>;

TEST_F(DropDownTest, ShowLiftsTheControlIntoAVisibleToolWindowOfTheDesktop) {
  const std::intptr_t styleBefore = desktop.GetWindowLongPtrW(list->hWnd(), host::GWL_STYLE);
  ShowList();
  EXPECT_EQ(desktop.GetWindowLongPtrW(list->hWnd(), host::GWL_EXSTYLE), kClientEdge | host::WS_EX_TOOLWINDOW);
  // Only visibility changes the ordinary style.
  EXPECT_EQ(desktop.GetWindowLongPtrW(list->hWnd(), host::GWL_STYLE) & ~sim::WS_VISIBLE, styleBefore);
  EXPECT_EQ(desktop.GetParent(list->hWnd()), desktop.GetDesktopWindow());
  EXPECT_EQ(WindowRect(list->hWnd()), kDropRect);
  EXPECT_TRUE(list->Visible());
  EXPECT_TRUE(cd->Shown());
  EXPECT_EQ(desktop.HookChain(desktop.GetCurrentThreadId(), host::WH_MOUSE).size(), 1u);
  EXPECT_TRUE(log.empty());
}

Log CallNames(const std::vector<std::string>& log) {
  Log calls;
  for (const std::string& call : log) calls.push_back(call.substr(0, call.find('(')));
  return calls;
}

TEST_F(DropDownTest, ShowPlacesTheWindowAgainOnceTheDesktopIsItsParent) {
  desktop.ClearCallLog();
  ShowList();
  EXPECT_EQ(CallNames(desktop.CallLog()), (Log{"GetWindowLongPtrW", "SetWindowLongPtrW", "GetDesktopWindow",
                                               "GetAncestor", "MoveWindow", "SetParent", "MoveWindow",
                                               "SetWindowsHookExW"}));
}

struct ShowAgainCase {
  const char* name;
  bool hiddenBetween;
  bool elsewhere;
  Log calls;  // what the second Show asks of the window system
};

class DropDownShowAgainTest : public DropDownTest, public ::testing::WithParamInterface<ShowAgainCase> {};

// Once lifted, the window keeps its style and parent: showing it again only moves
// it when it is elsewhere, and it ends up visible at the place asked for either way.
TEST_P(DropDownShowAgainTest, ALiftedWindowIsOnlyMovedWhenElsewhere) {
  const ShowAgainCase& c = GetParam();
  ShowList();
  if (c.hiddenBetween) cd->Hide();
  const host::Rect rect = c.elsewhere ? host::Rect{20, 40, 110, 110} : kDropRect;
  desktop.ClearCallLog();
  cd->Show(list, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, true);
  Log calls = CallNames(desktop.CallLog());
  std::erase(calls, "GetWindowRect");
  EXPECT_EQ(calls, c.calls);
  EXPECT_EQ(WindowRect(list->hWnd()), rect);
  EXPECT_EQ(desktop.GetParent(list->hWnd()), desktop.GetDesktopWindow());
  EXPECT_TRUE(list->Visible());
  EXPECT_TRUE(cd->Shown());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DropDownShowAgainTest,
    ::testing::Values(ShowAgainCase{"OpenSamePlace", false, false,
                                    Log{"GetWindowLongPtrW", "GetDesktopWindow", "GetAncestor"}},
                      ShowAgainCase{"ClosedSamePlace", true, false,
                                    Log{"GetWindowLongPtrW", "GetDesktopWindow", "GetAncestor", "SetWindowsHookExW"}},
                      ShowAgainCase{"Elsewhere", false, true,
                                    Log{"GetWindowLongPtrW", "GetDesktopWindow", "GetAncestor", "MoveWindow"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DropDownTest, ShowWithoutAutoHideShowsButDoesNotWatch) {
  ShowList(false);
  EXPECT_TRUE(list->Visible());
  EXPECT_FALSE(cd->Shown());
  EXPECT_TRUE(desktop.Hooks().empty());
  desktop.MouseDown(kOnForm);
  EXPECT_TRUE(list->Visible());
  EXPECT_EQ(log, Log{"form button down"});
}

TEST_F(DropDownTest, ShowingAgainMovesTheWindowButRegistersOnce) {
  ShowList();
  cd->Show(list, 20, 40, 90, 70, true);
  EXPECT_EQ(WindowRect(list->hWnd()), (host::Rect{20, 40, 110, 110}));
  EXPECT_TRUE(cd->Shown());
  EXPECT_EQ(desktop.HookInstallCount(), 1);
  cd->Hide();
  EXPECT_TRUE(desktop.Hooks().empty());
}

struct FailingStep {
  const char* function;
  bool moved;      // the window got the drop-down's rectangle (in its parent)
  bool onDesktop;  // the desktop window became its parent
  bool visible;
};

class DropDownShowFailureTest : public DropDownTest, public ::testing::WithParamInterface<FailingStep> {};

TEST_P(DropDownShowFailureTest, AFailingStepEndsShowSilentlyKeepingTheStepsDone) {
  const FailingStep step = GetParam();
  desktop.FailNext(step.function, sim::ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_NO_THROW(ShowList());
  EXPECT_EQ(desktop.RectInParent(list->hWnd()) == kDropRect, step.moved);
  EXPECT_EQ(desktop.GetParent(list->hWnd()) == desktop.GetDesktopWindow(), step.onDesktop);
  EXPECT_EQ(list->Visible(), step.visible);
  EXPECT_FALSE(cd->Shown());
  EXPECT_TRUE(desktop.Hooks().empty());
  // Not watching: a click outside leaves it as it is.
  desktop.MouseDown(kOnForm);
  EXPECT_EQ(list->Visible(), step.visible);
  EXPECT_EQ(log, Log{"form button down"});
}

INSTANTIATE_TEST_SUITE_P(Steps, DropDownShowFailureTest,
                         ::testing::Values(FailingStep{"MoveWindow", false, false, false},
                                           FailingStep{"SetParent", true, false, false},
                                           FailingStep{"SetWindowsHookExW", true, true, true}));

TEST_F(DropDownTest, HideStopsWatchingHidesAndAnnouncesButLeavesTheWindowOnTheDesktop) {
  ShowList();
  cd->Hide();
  EXPECT_FALSE(cd->Shown());
  EXPECT_FALSE(list->Visible());
  EXPECT_TRUE(desktop.Hooks().empty());
  EXPECT_EQ(log, Log{"HideControl"});
  EXPECT_EQ(desktop.GetParent(list->hWnd()), desktop.GetDesktopWindow());
  EXPECT_EQ(desktop.GetWindowLongPtrW(list->hWnd(), host::GWL_EXSTYLE), kClientEdge | host::WS_EX_TOOLWINDOW);

  cd->Hide();
  EXPECT_EQ(log, (Log{"HideControl", "HideControl"}));
}

TEST_F(DropDownTest, HideBeforeAnyShowStillAnnounces) {
  EXPECT_NO_THROW(cd->Hide());
  EXPECT_EQ(log, Log{"HideControl"});
}

/// A control whose hiding fails.
class StubbornControl final : public host::WindowControl {
 public:
  explicit StubbornControl(host::Hwnd hwnd) : hwnd_(hwnd) {}
  host::Hwnd hWnd() const override { return hwnd_; }
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override {
    if (!visible) throw core::AutomationError(380, u"Stubborn", u"Invalid property value");
    visible_ = true;
  }

 private:
  host::Hwnd hwnd_;
  bool visible_ = false;
};

TEST_F(DropDownTest, HideCarriesOnPastAFailedStep) {
  auto stubborn = std::make_shared<StubbornControl>(list->hWnd());
  cd->Show(stubborn, 200, 300, 150, 100, true);
  ASSERT_TRUE(cd->Shown());
  EXPECT_NO_THROW(cd->Hide());
  EXPECT_FALSE(cd->Shown());
  EXPECT_TRUE(desktop.Hooks().empty());
  EXPECT_EQ(log, Log{"HideControl"});
}

TEST_F(DropDownTest, DestructionWhileWatchingLeavesTheHookAndHides) {
  ShowList();
  cd.reset();
  EXPECT_TRUE(desktop.Hooks().empty());
  EXPECT_FALSE(list->Visible());
  EXPECT_EQ(log, Log{"HideControl"});
}

TEST_F(DropDownTest, DestructionWhileNotWatchingLeavesTheControlAsItIs) {
  ShowList(false);
  cd.reset();
  EXPECT_TRUE(list->Visible());
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace zelvane::dropdown::testing
