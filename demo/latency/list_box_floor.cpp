#include "list_box_floor.h"

#include "com_error.h"
#include "message_pump.h"
#include "stopwatch.h"

namespace zelvane::demo {

namespace {

constexpr unsigned kSettleMs = 100;
constexpr int kShownRows = 7;

// Below the control of ControlLatency, as wide as it, seven rows high.
HWND CreateFloatingList(HWND owner) {
  POINT at{16, 40};
  ::ClientToScreen(owner, &at);
  HWND list = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"LISTBOX", nullptr,
                                WS_POPUP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, at.x, at.y,
                                240, 0, owner, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (!list) ThrowLastError("creating the floor's LISTBOX");
  const auto row = static_cast<int>(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  ::SetWindowPos(list, nullptr, 0, 0, 240, row * kShownRows + 2, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return list;
}

}  // namespace

ListBoxFloor::ListBoxFloor(HWND owner) : list_(CreateFloatingList(owner)) {}

void ListBoxFloor::Hide() {
  ::ShowWindow(list_.get(), SW_HIDE);
  PumpFor(kSettleMs);
}

FloorTimes ListBoxFloor::Measure(const std::vector<std::wstring>& rows) {
  HWND list = list_.get();
  FloorTimes times;
  ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
  ::ShowWindow(list, SW_SHOWNOACTIVATE);
  PumpFor(kSettleMs);
  double start = NowMs();
  ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const auto& row : rows) ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  times.fill_ms = NowMs() - start;
  Hide();

  start = NowMs();
  ::SetWindowPos(list, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  ::UpdateWindow(list);
  times.show_ms = NowMs() - start;
  Hide();
  return times;
}

}  // namespace zelvane::demo
