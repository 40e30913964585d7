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
  try {
    hooks::mWindowsHook::DetachHook(windows_, this, host::WH_MOUSE);
  } catch (...) {
    // Leaving is all that matters here; Hide below tries once more.
  }
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

void cDropDown::PlaceAndWatch(std::int32_t X, std::int32_t Y, std::int32_t Width, std::int32_t Height,
                              bool AutoHide) {
  if (!control_) return;
  // 0 is both a valid extended style and the failure value, so the result cannot
  // tell; a window that is not there fails at MoveWindow next.
  const std::intptr_t style = windows_.GetWindowLongPtrW(control_->hWnd(), host::GWL_EXSTYLE);
  windows_.SetWindowLongPtrW(control_->hWnd(), host::GWL_EXSTYLE,
                             (style & ~host::WS_EX_APPWINDOW) | host::WS_EX_TOOLWINDOW);
  if (!windows_.MoveWindow(control_->hWnd(), X, Y, Width, Height, true)) return;
  const host::Hwnd desktop = windows_.GetDesktopWindow();
  if (desktop == 0 || windows_.SetParent(control_->hWnd(), desktop) == 0) return;
  // Again: now that the parent is the desktop the same values are screen coordinates.
  if (!windows_.MoveWindow(control_->hWnd(), X, Y, Width, Height, true)) return;
  control_->SetVisible(true);
  if (AutoHide && !hooked_) {
    hooks::mWindowsHook::AttachHook(windows_, this, host::WH_MOUSE);
    hooked_ = true;
  }
}

void cDropDown::Hide() {
  if (hooked_) {
    try {
      hooks::mWindowsHook::DetachHook(windows_, this, host::WH_MOUSE);
    } catch (...) {
      // Hiding carries on past a failed step.
    }
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
  if (!IsButtonDown(wParam)) return 0;
  const auto record = hooks::mWindowsHook::GetMouselParam(lParam);
  // Registered only while a control is held, but a later Show may have passed none.
  if (!record || !control_) return 0;
  windows_.GetWindowRect(control_->hWnd(), &windowRect_);
  if (!host::PtInRect(windowRect_, host::Point{record->X(), record->Y()})) Hide();
  return 0;
}

}  // namespace zelvane::dropdown
