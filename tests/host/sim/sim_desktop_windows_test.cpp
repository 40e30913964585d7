#include <gtest/gtest.h>

#include "host/sim/sim_desktop.h"
#include "host/sim/sim_messages.h"
#include "sim_test_windows.h"

namespace zelvane::sim {
namespace {

using testing::LoggingWindow;

class WindowTreeTest : public ::testing::Test {
 protected:
  host::Hwnd Make(host::Hwnd parent, host::Rect rect, std::intptr_t style = WS_VISIBLE) {
    return desktop.CreateWindow(u"Test", parent, style, 0, rect, nullptr);
  }
  host::Rect ScreenRect(host::Hwnd hwnd) {
    host::Rect r{};
    EXPECT_TRUE(desktop.GetWindowRect(hwnd, &r));
    return r;
  }

  SimDesktop desktop;
  std::vector<std::string> log;
};

TEST_F(WindowTreeTest, ChildRectanglesAddUpTheirParentsClientOrigins) {
  const host::Hwnd form = Make(0, {100, 50, 500, 450});
  desktop.SetBorder(form, 4);
  const host::Hwnd child = Make(form, {10, 20, 60, 40});
  EXPECT_EQ(ScreenRect(form), (host::Rect{100, 50, 500, 450}));
  EXPECT_EQ(ScreenRect(child), (host::Rect{114, 74, 164, 94}));
  host::Point p{114, 74};
  ASSERT_TRUE(desktop.ScreenToClient(child, &p));
  EXPECT_EQ(p, (host::Point{0, 0}));
  host::Point onBorder{101, 51};
  ASSERT_TRUE(desktop.ScreenToClient(form, &onBorder));
  EXPECT_EQ(onBorder, (host::Point{-3, -3}));
  EXPECT_EQ(ScreenRect(desktop.GetDesktopWindow()), (host::Rect{0, 0, 1024, 768}));
}

TEST_F(WindowTreeTest, SetParentKeepsThePositionNumbersInTheNewParentsCoordinates) {
  const host::Hwnd form = Make(0, {100, 100, 400, 400});
  const host::Hwnd list = Make(form, {10, 20, 110, 120});
  EXPECT_EQ(desktop.SetParent(list, desktop.GetDesktopWindow()), form);
  EXPECT_EQ(desktop.GetParent(list), desktop.GetDesktopWindow());
  EXPECT_EQ(ScreenRect(list), (host::Rect{10, 20, 110, 120}));
  ASSERT_TRUE(desktop.MoveWindow(list, 300, 500, 80, 40, true));
  EXPECT_EQ(ScreenRect(list), (host::Rect{300, 500, 380, 540}));
}

TEST_F(WindowTreeTest, SetParentRefusesUnknownWindowsAndCycles) {
  const host::Hwnd form = Make(0, {0, 0, 100, 100});
  const host::Hwnd child = Make(form, {0, 0, 10, 10});
  EXPECT_EQ(desktop.SetParent(0x9999, form), 0u);
  EXPECT_EQ(desktop.GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(desktop.SetParent(form, child), 0u);
  EXPECT_EQ(desktop.GetParent(form), desktop.GetDesktopWindow());
}

TEST_F(WindowTreeTest, WindowFromPointFindsTheTopmostVisibleDeepestWindow) {
  const host::Hwnd back = Make(0, {0, 0, 200, 200});
  const host::Hwnd front = Make(0, {100, 100, 300, 300});
  const host::Hwnd inner = Make(front, {10, 10, 50, 50});
  const host::Hwnd hidden = Make(front, {60, 60, 90, 90}, 0);
  const host::Hwnd disabled = Make(front, {100, 0, 150, 50}, WS_VISIBLE | WS_DISABLED);
  EXPECT_EQ(desktop.WindowFromPoint({150, 150}), front) << "later sibling lies above";
  EXPECT_EQ(desktop.WindowFromPoint({50, 50}), back);
  EXPECT_EQ(desktop.WindowFromPoint({115, 115}), inner);
  EXPECT_EQ(desktop.WindowFromPoint({170, 170}), front) << "hidden child is skipped";
  EXPECT_EQ(desktop.WindowFromPoint({210, 110}), disabled) << "disabled windows are still found";
  EXPECT_EQ(desktop.WindowFromPoint({900, 700}), desktop.GetDesktopWindow());
  desktop.ShowWindow(hidden, true);
  EXPECT_EQ(desktop.WindowFromPoint({170, 170}), hidden);
  desktop.ShowWindow(back, true);
  EXPECT_EQ(desktop.WindowFromPoint({150, 150}), back) << "showing brings a window to the top";
}

TEST_F(WindowTreeTest, ChildrenAreClippedToTheirParentsClientArea) {
  const host::Hwnd form = Make(0, {100, 100, 200, 200});
  Make(form, {50, 50, 300, 300});
  EXPECT_EQ(desktop.WindowFromPoint({250, 250}), desktop.GetDesktopWindow());
}

TEST_F(WindowTreeTest, VisibilityCountsEveryAncestorAndLivesInTheStyle) {
  const host::Hwnd form = Make(0, {0, 0, 100, 100});
  const host::Hwnd child = Make(form, {0, 0, 10, 10});
  EXPECT_TRUE(desktop.IsWindowVisible(child));
  desktop.ShowWindow(form, false);
  EXPECT_FALSE(desktop.IsWindowVisible(child));
  EXPECT_TRUE(desktop.IsShown(child));
  EXPECT_EQ(desktop.GetWindowLongPtrW(form, host::GWL_STYLE) & WS_VISIBLE, 0);
  desktop.SetWindowLongPtrW(form, host::GWL_STYLE, WS_VISIBLE);
  EXPECT_TRUE(desktop.IsWindowVisible(child));
}

TEST_F(WindowTreeTest, SetWindowLongPtrReturnsThePreviousValue) {
  const host::Hwnd w = desktop.CreateWindow(u"Test", 0, host::WS_CHILD, host::WS_EX_APPWINDOW, {}, nullptr);
  EXPECT_EQ(desktop.SetWindowLongPtrW(w, host::GWL_EXSTYLE, host::WS_EX_TOOLWINDOW), host::WS_EX_APPWINDOW);
  EXPECT_EQ(desktop.GetWindowLongPtrW(w, host::GWL_EXSTYLE), host::WS_EX_TOOLWINDOW);
  EXPECT_EQ(desktop.GetWindowLongPtrW(w, host::GWL_STYLE), host::WS_CHILD);
}

TEST_F(WindowTreeTest, MoveWindowTellsTheHandlerOnlyOfSizeChanges) {
  LoggingWindow handler(log, "w");
  const host::Hwnd w = desktop.CreateWindow(u"Test", 0, WS_VISIBLE, 0, {0, 0, 10, 10}, &handler);
  desktop.MoveWindow(w, 5, 5, 10, 10, true);
  EXPECT_TRUE(log.empty());
  desktop.MoveWindow(w, 5, 5, 20, 10, true);
  desktop.MoveWindow(w, 5, 5, -4, 10, true);
  EXPECT_EQ(log, (std::vector<std::string>{"w size", "w size"}));
  EXPECT_EQ(desktop.RectInParent(w), (host::Rect{5, 5, 5, 15}));
}

TEST_F(WindowTreeTest, DestroyingAParentDestroysItsChildrenAndReleasesTheFocus) {
  const host::Hwnd form = Make(0, {0, 0, 100, 100});
  const host::Hwnd child = Make(form, {0, 0, 10, 10});
  desktop.SetFocus(child);
  EXPECT_TRUE(desktop.DestroyWindow(form));
  EXPECT_FALSE(desktop.IsWindow(child));
  EXPECT_EQ(desktop.GetFocus(), 0u);
  EXPECT_FALSE(desktop.DestroyWindow(child));
  EXPECT_FALSE(desktop.DestroyWindow(desktop.GetDesktopWindow()));
}

TEST_F(WindowTreeTest, SendMessageReachesTheHandlerAndIsLogged) {
  struct Answering : SimWindowHandler {
    host::LResult OnMessage(std::uint32_t msg, host::WParam wParam, host::LParam) override {
      return static_cast<host::LResult>(msg + wParam);
    }
  } handler;
  const host::Hwnd w = desktop.CreateWindow(u"Test", 0, 0, 0, {}, &handler);
  EXPECT_EQ(desktop.SendMessageW(w, 0x400, 2, 0), 0x402);
  EXPECT_EQ(desktop.SendMessageW(0x9999, 0x400, 2, 0), 0);
  ASSERT_EQ(desktop.SentLog().size(), 2u);
  EXPECT_EQ(desktop.SentLog()[0].hwnd, w);
}

TEST_F(WindowTreeTest, FailNextMakesOneCallFailTheWin32Way) {
  const host::Hwnd w = Make(0, {0, 0, 10, 10});
  desktop.FailNext("GetWindowRect", ERROR_ACCESS_DENIED);
  host::Rect r{1, 2, 3, 4};
  EXPECT_FALSE(desktop.GetWindowRect(w, &r));
  EXPECT_EQ(desktop.GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_EQ(r, (host::Rect{1, 2, 3, 4}));
  EXPECT_TRUE(desktop.GetWindowRect(w, &r));
}

TEST_F(WindowTreeTest, DrawFrameControlIsLoggedAndAdjustsTheRectangleWhenAsked) {
  host::Rect r{104, 0, 120, 21};
  EXPECT_TRUE(desktop.DrawFrameControl(7, &r, host::DFC_SCROLL, host::DFCS_SCROLLDOWN | host::DFCS_ADJUSTRECT));
  EXPECT_EQ(r, (host::Rect{106, 2, 118, 19}));
  desktop.LogCls(7);
  ASSERT_EQ(desktop.FrameControlCalls().size(), 1u);
  EXPECT_EQ(desktop.FrameControlCalls()[0].rect, (host::Rect{104, 0, 120, 21}));
  EXPECT_EQ(desktop.ClsCount(7), 1);
  EXPECT_EQ(desktop.DrawLog().back().kind, DrawRecord::Kind::Cls);
}

TEST_F(WindowTreeTest, CallLogRecordsCallsInOrder) {
  const host::Hwnd w = Make(0, {0, 0, 10, 10});
  desktop.ClearCallLog();
  desktop.MoveWindow(w, 1, 2, 3, 4, true);
  desktop.SetParent(w, desktop.GetDesktopWindow());
  ASSERT_EQ(desktop.CallLog().size(), 3u);
  EXPECT_EQ(desktop.CallLog()[0], "MoveWindow(" + std::to_string(w) + ", 1, 2, 3, 4, 1)");
  EXPECT_EQ(desktop.CallLog()[1], "GetDesktopWindow()");
}

}  // namespace
}  // namespace zelvane::sim
