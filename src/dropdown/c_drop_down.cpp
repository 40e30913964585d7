#include "dropdown/c_drop_down.h"

#include "hooks/m_windows_hook.h"

namespace zelvane::dropdown {
namespace {

bool IsButtonDown(host::WParam message) {
  switch (message) {
    case host::WM_NCLBUTTONDOWN:
    case host::WM_NCRBUTTONDOWN:
    case host::WM_NCMBUTTONDOWN:
    case host::WM_LBUTTONDOWN:
    case host::WM_RBUTTONDOWN:
    case host::WM_MBUTTONDOWN: return true;
    default: return false;
  }
}

}  // namespace

cDropDown::cDropDown(host::WindowSystem& windows, host::ControlOwner& owner) : windows_(windows), owner_(owner) {}

cDropDown::~cDropDown() {
  if (!hooked_) return;
  // Leaving is all that matters here; Hide below tries once more.
  Unwatch();
  try {
    Hide();
  } catch (...) {
    // An event handler's failure must not escape a destructor.
  }
}

void cDropDown::Show(std::shared_ptr<host::WindowControl> Control, std::int32_t X, std::int32_t Y,
                     std::int32_t Width, std::int32_t Height, bool AutoHide) {
  control_ = std::move(Control);
  try {
    PlaceAndWatch(X, Y, Width, Height, AutoHide);
  } catch (...) {
    // A failing step ends Show silently; the steps done so far stay done.
  }
}

// Every step that changes a window is a round trip to the window server, and under
// Wine a dear one; a window already lifted by an earlier Show keeps its style and
// parent, so a later Show only moves it when it is elsewhere, which is what the
// typing user waits for.
void cDropDown::PlaceAndWatch(std::int32_t X, std::int32_t Y, std::int32_t Width, std::int32_t Height,
                              bool AutoHide) {
  if (!control_) return;
  const host::Hwnd hwnd = control_->hWnd();
  // 0 is both a valid extended style and the failure value, so the result cannot
  // tell; a window that is not there fails at MoveWindow next.
  const std::intptr_t style = windows_.GetWindowLongPtrW(hwnd, host::GWL_EXSTYLE);
  const std::intptr_t toolStyle = (style & ~host::WS_EX_APPWINDOW) | host::WS_EX_TOOLWINDOW;
  if (toolStyle != style) windows_.SetWindowLongPtrW(hwnd, host::GWL_EXSTYLE, toolStyle);
  const host::Hwnd desktop = windows_.GetDesktopWindow();
  if (desktop != 0 && windows_.GetAncestor(hwnd, host::GA_PARENT) == desktop) {
    if (!MoveUnlessThere(hwnd, X, Y, Width, Height)) return;
  } else {
    if (!windows_.MoveWindow(hwnd, X, Y, Width, Height, true)) return;
    if (desktop == 0 || windows_.SetParent(hwnd, desktop) == 0) return;
    // Again: now that the parent is the desktop the same values are screen coordinates.
    if (!windows_.MoveWindow(hwnd, X, Y, Width, Height, true)) return;
  }
  control_->SetVisible(true);
  if (AutoHide && !hooked_) {
    hooks::mWindowsHook::AttachHook(windows_, this, host::WH_MOUSE);
    hooked_ = true;
    if (ownerWindow_ != 0) {
      hooks::mWindowsHook::AttachHook(windows_, this, host::WH_CALLWNDPROC);
      watchingMessages_ = true;
    }
  }
}

bool cDropDown::MoveUnlessThere(host::Hwnd hwnd, std::int32_t X, std::int32_t Y, std::int32_t Width,
                                std::int32_t Height) {
  host::Rect now{};
  // Sums in 64 bits: a far-off rectangle must not wrap round into a match.
  if (windows_.GetWindowRect(hwnd, &now) && now.left == X && now.top == Y &&
      std::int64_t{now.right} == std::int64_t{X} + Width && std::int64_t{now.bottom} == std::int64_t{Y} + Height)
    return true;
  return windows_.MoveWindow(hwnd, X, Y, Width, Height, true);
}

void cDropDown::Unwatch() noexcept {
  try {
    hooks::mWindowsHook::DetachHook(windows_, this, host::WH_MOUSE);
  } catch (...) {
    // Carries on: the other hook is left too.
  }
  if (!watchingMessages_) return;
  try {
    hooks::mWindowsHook::DetachHook(windows_, this, host::WH_CALLWNDPROC);
  } catch (...) {
    // As above.
  }
  watchingMessages_ = false;
}

void cDropDown::Hide() {
  if (hooked_) {
    Unwatch();
    hooked_ = false;
  }
  try {
    if (control_) control_->SetVisible(false);
  } catch (...) {
    // As above: HideControl is raised whatever happened to the control.
  }
  if (events_ != nullptr) events_->cd_HideControl();
}

std::int32_t cDropDown::HookProc(std::int32_t /*nCode*/, host::WParam wParam, host::LParam lParam,
                                 bool& /*bConsume*/) {
  if (hooks::mWindowsHook::CurrentHookType() == host::WH_CALLWNDPROC) {
    const auto message = hooks::mWindowsHook::GetCallWndProcRecord(lParam);
    if (message && MovedOn(*message)) Hide();
  } else {
    OnMouse(wParam, lParam);
  }
  return 0;
}

void cDropDown::OnMouse(host::WParam message, host::LParam lParam) {
  if (!IsButtonDown(message)) return;
  const auto record = hooks::mWindowsHook::GetMouselParam(lParam);
  // Registered only while a control is held, but a later Show may have passed none.
  if (!record || !control_) return;
  windows_.GetWindowRect(control_->hWnd(), &windowRect_);
  if (!host::PtInRect(windowRect_, host::Point{record->X(), record->Y()})) Hide();
}

// WM_ACTIVATEAPP reaches every top-level window of a thread that loses activation
// to another thread, the drop-down's own among them. A window is hidden or
// minimized through SetWindowPos, which the owner window's form (or any window
// between) hears of with WM_WINDOWPOSCHANGED, its new state already in place.
bool cDropDown::MovedOn(const host::CwpStruct& message) {
  switch (message.message) {
    case host::WM_ACTIVATEAPP: return message.wParam == 0;
    case host::WM_WINDOWPOSCHANGED: return !OwnerWindowShowing();
    default: return false;
  }
}

bool cDropDown::OwnerWindowShowing() {
  if (!windows_.IsWindowVisible(ownerWindow_)) return false;
  for (host::Hwnd window = ownerWindow_; window != 0;) {
    if (windows_.IsIconic(window)) return false;
    const host::Hwnd parent = windows_.GetAncestor(window, host::GA_PARENT);
    // The walk ends above the desktop window (0), and never circles.
    window = parent == window ? 0 : parent;
  }
  return true;
}

}  // namespace zelvane::dropdown
