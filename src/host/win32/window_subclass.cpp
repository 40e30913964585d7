#include "host/win32/window_subclass.h"

#include "host/win32/dispatch_guard.h"
#include "host/win32/win32_error.h"

namespace zelvane::win32 {

struct WindowSubclass::Link {
  WNDPROC next;
  SubclassHandler* handler;  // null once the subclass was removed: messages pass on
  WindowSubclass* owner;     // null once the subclass was removed
};

namespace {

// Whether no later subclass stands in front of ours, so the class's procedure can go back.
bool InFront(HWND hwnd, WNDPROC ours) {
  return ::GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(ours);
}

}  // namespace

WindowSubclass::WindowSubclass(HWND hwnd, SubclassHandler& handler) : hwnd_(hwnd), link_(nullptr) {
  if (::GetWindowLongPtrW(hwnd_, GWLP_USERDATA) != 0) {
    // The user data is taken, by another subclass or by the window's own class.
    hwnd_ = nullptr;
    ::SetLastError(ERROR_ALREADY_EXISTS);
    RaiseLastError(u"WindowSubclass");
  }
  link_ = new Link{nullptr, &handler, this};
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(link_));
  ::SetLastError(ERROR_SUCCESS);
  link_->next = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowSubclass::Proc)));
  if (link_->next == nullptr) {
    const DWORD error = ::GetLastError();
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    delete link_;
    hwnd_ = nullptr;
    ::SetLastError(error);
    RaiseLastError(u"SetWindowLongPtrW(GWLP_WNDPROC)");
  }
}

WindowSubclass::~WindowSubclass() {
  if (hwnd_) Unlink(hwnd_, link_);
}

// With our procedure still in front, the class's goes back and the link goes; with
// another subclass in front of ours, ours has to stay and only passes messages on.
void WindowSubclass::Unlink(HWND hwnd, Link* link) noexcept {
  link->handler = nullptr;
  link->owner = nullptr;
  if (!InFront(hwnd, &WindowSubclass::Proc)) return;
  ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(link->next));
  ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  delete link;
}

LRESULT WindowSubclass::CallNext(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto* link = reinterpret_cast<const Link*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return link ? ::CallWindowProcW(link->next, hwnd, msg, wParam, lParam) : ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT WindowSubclass::SendPastHandler(UINT msg, WPARAM wParam, LPARAM lParam) const {
  if (hwnd_ && InFront(hwnd_, &WindowSubclass::Proc)) return ::CallWindowProcW(link_->next, hwnd_, msg, wParam, lParam);
  return ::SendMessageW(hwnd_, msg, wParam, lParam);
}

bool WindowSubclass::Outermost() const noexcept { return hwnd_ && InFront(hwnd_, &WindowSubclass::Proc); }

LRESULT CALLBACK WindowSubclass::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* link = reinterpret_cast<Link*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (link == nullptr) return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    // The window is going: the handler lets go of it, and the link goes with it.
    const WNDPROC next = link->next;
    SubclassHandler* handler = link->handler;
    if (link->owner) link->owner->hwnd_ = nullptr;
    if (InFront(hwnd, &WindowSubclass::Proc)) ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(next));
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    delete link;
    if (handler) handler->OnSubclassedWindowGone();
    return ::CallWindowProcW(next, hwnd, msg, wParam, lParam);
  }
  if (link->handler == nullptr) return ::CallWindowProcW(link->next, hwnd, msg, wParam, lParam);
  SubclassHandler& handler = *link->handler;
  return GuardedDispatch([&] { return handler.OnSubclassMessage(hwnd, msg, wParam, lParam); },
                         [&] { return CallNext(hwnd, msg, wParam, lParam); });
}

}  // namespace zelvane::win32
