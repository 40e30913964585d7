// The control's drop-down on the real window system (run under Wine): a control at
// the bottom of the screen's work area opens its list upwards, where a real click
// takes a row. The control runs on the Win32 host layer as the COM object builds
// it, without the COM housing around it.
#include "docked_control.h"

#include <gtest/gtest.h>

#include <string_view>

#include "host/win32/unique_handle.h"
#include "message_pump.h"
#include "ole_session.h"
#include "png_file.h"
#include "screen_capture.h"
#include "user_input.h"

namespace zelvane::win32 {
namespace {

RECT WindowRect(HWND hwnd) {
  RECT rect{};
  ::GetWindowRect(hwnd, &rect);
  return rect;
}

TEST(DropDownPlacementOnWindows, AControlAtTheBottomOfTheScreenOpensItsListUpwards) {
  demo::OleSession ole;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor));
  const RECT work = monitor.rcWork;

  // The form's last 40 pixels hold the control, 4 pixels above the work area's end.
  unique_hwnd form(::CreateWindowExW(0, L"STATIC", L"Form", WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE, work.left + 100,
                                     work.bottom - 40, 400, 40, nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(form);
  DockedControl docked(form.get(), RECT{20, 12, 220, 36});
  control::Zelvane& z = docked.z;
  com::ControlServices& services = docked.services;
  const support::EventRecorder& events = docked.events;
  for (const char16_t* item : {u"ac6", u"ac5", u"ac4", u"ac3", u"ac2", u"ac1", u"ab2", u"ab1"}) z.AddItem(item);
  ::SetForegroundWindow(form.get());
  services.FocusEditor();

  const demo::UserInput person(60);
  person.Type("a");
  const HWND list = reinterpret_cast<HWND>(static_cast<std::intptr_t>(z.HwndList()));
  ASSERT_TRUE(demo::PumpUntil([&] { return ::IsWindowVisible(list) != FALSE; }, 5000))
      << "the list drops down after the filter delay";

  const RECT control = WindowRect(services.SurfaceWindow());
  const RECT dropped = WindowRect(list);
  const auto rowHeight = static_cast<int>(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  ASSERT_GT(rowHeight, 0);
  EXPECT_EQ(dropped.left, control.left);
  EXPECT_EQ(dropped.right, control.right);
  EXPECT_EQ(dropped.bottom, control.top) << "the list stands on the control's top edge";
  EXPECT_EQ(dropped.bottom - dropped.top, 7 * rowHeight + 2);
  EXPECT_GE(dropped.top, work.top);
  demo::WritePng(demo::CaptureScreen(demo::Union(dropped, WindowRect(form.get()))), L"drop-down-upwards.png");

  // Its second row, where the list now is, takes a real click.
  RECT client{};
  ::GetClientRect(list, &client);
  POINT row{client.left + 10, client.top + rowHeight + rowHeight / 2};
  ::ClientToScreen(list, &row);
  person.MoveTo(row);
  person.LeftDown();
  person.LeftUp();
  EXPECT_TRUE(demo::PumpUntil([&] { return events.Count("ListClick") == 1; }, 5000));
  EXPECT_EQ(z.Text(), u"ab2");
  EXPECT_FALSE(::IsWindowVisible(list));
  EXPECT_EQ(events.Count("DropDownList"), 1);
}

}  // namespace
}  // namespace zelvane::win32
