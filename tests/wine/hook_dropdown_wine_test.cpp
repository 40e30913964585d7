// The hook service and the drop-down on the real window system (run under Wine):
// a real WH_MOUSE hook, a real floating tool window and a real click outside it.
#include "host/win32/windows_api.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dropdown/c_drop_down.h"
#include "hooks/m_windows_hook.h"
#include "host/sim/sim_control_owner.h"
#include "host/win32/unique_handle.h"
#include "host/win32/win32_window_system.h"

namespace zelvane::win32 {
namespace {

using Log = std::vector<std::string>;

/// The real window system, with a record of the hook calls made through it.
class RecordingWindowSystem final : public Win32WindowSystem {
 public:
  host::HHook SetWindowsHookExW(int idHook, host::HookProc lpfn, std::uintptr_t hmod,
                                std::uint32_t dwThreadId) override {
    const host::HHook handle = Win32WindowSystem::SetWindowsHookExW(idHook, lpfn, hmod, dwThreadId);
    installed.push_back(handle);
    return handle;
  }
  bool UnhookWindowsHookEx(host::HHook hhk) override {
    const bool removed = Win32WindowSystem::UnhookWindowsHookEx(hhk);
    unhooked.push_back(removed ? hhk : 0);
    return removed;
  }
  host::LResult CallNextHookEx(host::HHook hhk, int nCode, host::WParam wParam, host::LParam lParam) override {
    nextHandles.push_back(hhk);
    return Win32WindowSystem::CallNextHookEx(hhk, nCode, wParam, lParam);
  }

  std::vector<host::HHook> installed;
  std::vector<host::HHook> unhooked;  // 0 where UnhookWindowsHookEx failed
  std::vector<host::HHook> nextHandles;
};

/// Dispatches messages until `done`; the bound on waits only guards against a hang.
void PumpUntil(const std::function<bool()>& done, int waits = 250) {
  for (int round = 0; round < waits && !done(); ++round) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
}

void SendMouse(std::initializer_list<DWORD> flags) {
  std::vector<INPUT> inputs;
  for (const DWORD flag : flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    inputs.push_back(input);
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

/// Dispatches a few rounds: to show that nothing more arrives.
void PumpAWhile() {
  PumpUntil([] { return false; }, 25);
}

/// Moves the real cursor by injected input, so the thread's mouse hook sees a move.
void NudgeCursor() {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = 1;
  input.mi.dwFlags = MOUSEEVENTF_MOVE;
  ::SendInput(1, &input, sizeof(INPUT));
}

/// A top-level form whose window procedure logs the button-downs it receives.
class Form {
 public:
  explicit Form(Log& log) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZelvaneHookTestForm";
    ::RegisterClassW(&windowClass);
    window_.reset(::CreateWindowExW(0, windowClass.lpszClassName, L"Form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                                    100, 400, 300, nullptr, nullptr, windowClass.hInstance, &log));
    ::SetForegroundWindow(window_.get());
    PumpAWhile();
  }
  HWND get() const { return window_.get(); }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (msg == WM_LBUTTONDOWN) {
      reinterpret_cast<Log*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA))->push_back("form WM_LBUTTONDOWN");
    }
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  }

  unique_hwnd window_;
};

/// A real list box as the drop-down sees a control: its window and its visibility.
class ListBoxControl final : public host::WindowControl {
 public:
  explicit ListBoxControl(HWND parent)
      : window_(::CreateWindowExW(WS_EX_CLIENTEDGE | WS_EX_APPWINDOW, L"LISTBOX", L"", WS_CHILD | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                                  10, 10,
                                  120, 80, parent, nullptr, nullptr, nullptr)) {}
  host::Hwnd hWnd() const override { return reinterpret_cast<host::Hwnd>(window_.get()); }
  bool Visible() const override { return ::IsWindowVisible(window_.get()) != 0; }
  void SetVisible(bool visible) override { ::ShowWindow(window_.get(), visible ? SW_SHOWNA : SW_HIDE); }
  HWND get() const { return window_.get(); }

 private:
  unique_hwnd window_;
};

class HideRecorder final : public dropdown::DropDownEvents {
 public:
  explicit HideRecorder(Log& log) : log_(log) {}
  void cd_HideControl() override { log_.push_back("HideControl"); }

 private:
  Log& log_;
};

/// A mouse-hook client that counts its calls and may leave from inside one.
class MouseClient final : public hooks::IWindowsHook {
 public:
  explicit MouseClient(host::WindowSystem& windows) : windows_(windows) {}
  void AddRef() noexcept override {}
  void Release() noexcept override {}
  std::int32_t HookProc(std::int32_t, host::WParam, host::LParam lParam, bool&) override {
    ++calls;
    sawRecord = sawRecord || hooks::mWindowsHook::GetMouselParam(lParam) != nullptr;
    if (leaveOnNextCall) {
      leaveOnNextCall = false;
      hooks::mWindowsHook::DetachHook(windows_, this, WH_MOUSE);
    }
    return 0;
  }

  int calls = 0;
  bool sawRecord = false;
  bool leaveOnNextCall = false;

 private:
  host::WindowSystem& windows_;
};

TEST(HookServiceOnWindows, ARealMouseHookIsInstalledCalledAndRemoved) {
  Log log;
  Form form(log);
  RecordingWindowSystem windows;
  MouseClient client(windows);
  ::SetCursorPos(300, 250);

  ASSERT_TRUE(hooks::mWindowsHook::AttachHook(windows, &client, WH_MOUSE));
  ASSERT_EQ(windows.installed.size(), 1u);
  ASSERT_NE(windows.installed.front(), 0u);

  NudgeCursor();
  PumpUntil([&] { return client.calls > 0; });
  EXPECT_GT(client.calls, 0);
  EXPECT_TRUE(client.sawRecord);
  EXPECT_EQ(windows.nextHandles.back(), windows.installed.front());

  // Leaving from inside the call removes the real hook during the event; the event
  // then goes on down the chain with no handle.
  client.leaveOnNextCall = true;
  NudgeCursor();
  PumpUntil([&] { return !client.leaveOnNextCall; });
  EXPECT_EQ(windows.unhooked, std::vector<host::HHook>{windows.installed.front()});
  EXPECT_EQ(windows.nextHandles.back(), 0u);

  const int callsAfterLeaving = client.calls;
  NudgeCursor();
  PumpAWhile();
  EXPECT_EQ(client.calls, callsAfterLeaving);
}

TEST(DropDownOnWindows, ARealClickOutsideTheToolWindowHidesIt) {
  Log log;
  Form form(log);
  RecordingWindowSystem windows;
  HideRecorder events(log);
  auto list = std::make_shared<ListBoxControl>(form.get());
  ASSERT_NE(list->get(), nullptr);
  sim::SimControlOwner owner;
  dropdown::cDropDown cd(windows, owner);
  cd.SetEvents(&events);

  cd.Show(list, 600, 320, 160, 120, true);
  RECT rect{};
  ::GetWindowRect(list->get(), &rect);
  EXPECT_EQ(rect.left, 600);
  EXPECT_EQ(rect.top, 320);
  EXPECT_EQ(rect.right, 760);
  EXPECT_EQ(rect.bottom, 440);
  EXPECT_EQ(::GetParent(list->get()), ::GetDesktopWindow());
  const LONG_PTR exStyle = ::GetWindowLongPtrW(list->get(), GWL_EXSTYLE);
  EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0);
  EXPECT_EQ(exStyle & WS_EX_APPWINDOW, 0);
  EXPECT_TRUE(list->Visible());
  EXPECT_TRUE(cd.Shown());

  // A press inside leaves it open.
  ::SetCursorPos(680, 380);
  SendMouse({MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
  PumpAWhile();
  EXPECT_TRUE(cd.Shown());

  // A press on the form closes it before the form sees the button.
  ::SetForegroundWindow(form.get());
  ::SetCursorPos(250, 250);
  SendMouse({MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
  PumpUntil([&] { return log.size() >= 2; });
  EXPECT_EQ(log, (Log{"HideControl", "form WM_LBUTTONDOWN"}));
  EXPECT_FALSE(cd.Shown());
  EXPECT_FALSE(list->Visible());
  EXPECT_EQ(windows.unhooked, windows.installed);
}

}  // namespace
}  // namespace zelvane::win32
