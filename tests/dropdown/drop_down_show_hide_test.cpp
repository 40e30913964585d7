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

TEST_F(DropDownTest, ShowPlacesTheWindowAgainOnceTheDesktopIsItsParent) {
  desktop.ClearCallLog();
  ShowList();
  std::vector<std::string> calls;
  for (const std::string& call : desktop.CallLog()) calls.push_back(call.substr(0, call.find('(')));
  EXPECT_EQ(calls, (Log{"GetWindowLongPtrW", "SetWindowLongPtrW", "MoveWindow", "GetDesktopWindow", "SetParent",
                        "MoveWindow", "SetWindowsHookExW"}));
}

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
