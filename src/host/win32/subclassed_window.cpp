#include "host/win32/subclassed_window.h"

namespace zelvane::win32 {

SubclassedWindow::SubclassedWindow(HWND created, SubclassHandler& handler) : window_(created), handler_(handler) {
  subclass_.emplace(window_.get(), static_cast<SubclassHandler&>(*this));
}

bool SubclassedWindow::Visible() const noexcept {
  return (::GetWindowLongPtrW(window_.get(), GWL_STYLE) & WS_VISIBLE) != 0;
}

LRESULT SubclassedWindow::SendPastHandler(UINT msg, WPARAM wParam, LPARAM lParam) const {
  if (subclass_) return subclass_->SendPastHandler(msg, wParam, lParam);
  return ::SendMessageW(window_.get(), msg, wParam, lParam);
}

void SubclassedWindow::Destroy() noexcept {
  subclass_.reset();
  window_.reset();
}

void SubclassedWindow::DestroyAtNextPass() noexcept {
  const bool classProcedureBack = subclass_ && subclass_->Outermost();
  subclass_.reset();
  // The class's procedure destroys the window on WM_CLOSE.
  if (classProcedureBack && ::PostMessageW(window_.get(), WM_CLOSE, 0, 0)) (void)window_.release();
  window_.reset();
}

void SubclassedWindow::Replace(HWND created) noexcept {
  subclass_.reset();
  if (::GetFocus() == window_.get()) ::SetFocus(created);
  window_.reset(created);
  subclass_.emplace(window_.get(), static_cast<SubclassHandler&>(*this));
}

LRESULT SubclassedWindow::OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return handler_.OnSubclassMessage(hwnd, msg, wParam, lParam);
}

void SubclassedWindow::OnSubclassedWindowGone() noexcept {
  subclass_.reset();
  (void)window_.release();  // the system is destroying it already
}

}  // namespace zelvane::win32
