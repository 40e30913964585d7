#include "host/win32/win32_list_box.h"

#include "core/vb_errors.h"
#include "host/control_hold.h"
#include "host/win32/accessible_drop_down_list.h"
#include "host/win32/module_instance.h"
#include "host/win32/paint_scope.h"
#include "host/win32/vb_input_args.h"
#include "host/win32/win32_error.h"

#include <commctrl.h>

#include <algorithm>
#include <new>

namespace zelvane::win32 {
namespace {

constexpr int kListBoxId = 2;

HWND CreateListBox(HWND parent) {
  HWND hwnd = ::CreateWindowExW(0, L"LISTBOX", nullptr,
                                WS_CHILD | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0, 0, 0,
                                parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListBoxId)), ThisModule(),
                                nullptr);
  if (!hwnd) RaiseLastError(u"CreateWindowExW(LISTBOX)");
  return hwnd;
}

}  // namespace

Win32ListBox::Win32ListBox(HWND parent, host::ControlOwner& owner)
    : owner_(owner),
      window_(CreateListBox(parent), static_cast<SubclassHandler&>(*this)),
      look_(window_.get()),
      screen_([this] {
        if (events_) events_->lst_ScreenChanged();
      }) {}

Win32ListBox::~Win32ListBox() { DestroyWindow(); }

// A list closed as its control goes (a form closed with the list open) has just been
// announced hidden; a reader's hook on this thread hears that at the next pass.
void Win32ListBox::DestroyWindow() noexcept {
  events_ = nullptr;
  window_.DestroyAtNextPass();
  screen_.Destroy();
}

bool Win32ListBox::Floats() const { return ::GetAncestor(window_.get(), GA_PARENT) == ::GetDesktopWindow(); }

void Win32ListBox::SetVisible(bool visible) {
  HWND hwnd = window_.get();
  if (!visible) {
    ::ShowWindow(hwnd, SW_HIDE);
  } else if (Floats()) {
    // A window of the desktop would fall behind the form at its next activation.
    ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  } else {
    ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  }
}

void Win32ListBox::Clear() { ::SendMessageW(window_.get(), LB_RESETCONTENT, 0, 0); }

// The one message a fill sends per row, and one the subclass only passes on.
void Win32ListBox::AddItem(const std::u16string& item) {
  const LRESULT row = window_.SendPastHandler(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  if (row == LB_ERRSPACE) throw std::bad_alloc();
}

void Win32ListBox::RemoveItem(std::int32_t index) {
  ::SendMessageW(window_.get(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

// Reading rows changes nothing the subclass watches; sent past it, a read skips the
// thread's message hooks too, each a round trip to the server under Wine, which the
// painting of the rows in view pays several times per row.
std::u16string Win32ListBox::List(std::int32_t index) const {
  const LRESULT length = window_.SendPastHandler(LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::u16string text(static_cast<std::size_t>(length), u'\0');
  const LRESULT copied =
      window_.SendPastHandler(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
  return text;
}

std::int32_t Win32ListBox::ListCount() const {
  return static_cast<std::int32_t>(window_.SendPastHandler(LB_GETCOUNT, 0, 0));
}

std::int32_t Win32ListBox::ListIndex() const {
  return static_cast<std::int32_t>(window_.SendPastHandler(LB_GETCURSEL, 0, 0));
}

void Win32ListBox::SetListIndex(std::int32_t index) {
  if (index < -1 || index >= ListCount()) core::RaiseVbError(core::VbError::InvalidPropertyValue);
  ::SendMessageW(window_.get(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Win32ListBox::SetRowMatcher(const host::RowMatcher* matcher) {
  if (matcher == matcher_) return;
  matcher_ = matcher;
  ::InvalidateRect(window_.get(), nullptr, TRUE);
}

void Win32ListBox::SetRedraw(bool redraw) {
  ::SendMessageW(window_.get(), WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
  // A hidden list is painted whole when it shows.
  if (redraw && window_.Visible()) ::InvalidateRect(window_.get(), nullptr, TRUE);
}

void Win32ListBox::SetRightToLeft(bool rightToLeft) {
  HWND hwnd = window_.get();
  constexpr LONG_PTR bits = WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;
  const LONG_PTR old = ::GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
  ::SetWindowLongPtrW(hwnd, GWL_EXSTYLE, rightToLeft ? (old | bits) : (old & ~bits));
  // The scroll bar moves only once the frame is measured again.
  ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

std::int32_t Win32ListBox::Width() const {
  RECT rect{};
  ::GetWindowRect(window_.get(), &rect);
  return rect.right - rect.left;
}

void Win32ListBox::SetWidth(std::int32_t width) {
  RECT rect{};
  ::GetWindowRect(window_.get(), &rect);
  ::SetWindowPos(window_.get(), nullptr, 0, 0, std::max(width, 0), rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32ListBox::SetFont(host::FontPtr font) { look_.SetFont(font); }

void Win32ListBox::SetBackColor(host::OleColor color) { look_.SetBackColor(color); }

void Win32ListBox::SetForeColor(host::OleColor color) { look_.SetForeColor(color); }

LRESULT Win32ListBox::OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // Accepting a row raises events in which the host may close the control.
  const host::ControlHold hold(owner_);
  switch (msg) {
    case WM_MOUSEMOVE: return OnMouseMove(hwnd, msg, wParam, lParam);
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: return OnButtonUp(hwnd, msg, wParam, lParam);
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_SETFOCUS: return OnSetFocus(hwnd, msg, wParam, lParam);
    case WM_GETOBJECT: return OnGetObject(hwnd, msg, wParam, lParam);
    case OCM_CTLCOLORLISTBOX: return look_.PrepareDc(reinterpret_cast<HDC>(wParam));
    case WM_PAINT: return OnPaint(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND: return matcher_ ? TRUE : WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
    default: return CallRepaintingSelection(hwnd, msg, wParam, lParam);
  }
}

// The list box tracks the mouse itself first; the control's handlers then see the
// selection as it left it.

LRESULT Win32ListBox::OnMouseMove(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallRepaintingSelection(hwnd, msg, wParam, lParam);
  VbMouseArgs args = MouseArgsFromMessage(msg, wParam, lParam);
  if (events_) events_->lst_MouseMove(args.button, args.shift, args.x, args.y);
  return result;
}

LRESULT Win32ListBox::OnButtonUp(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallRepaintingSelection(hwnd, msg, wParam, lParam);
  VbMouseArgs args = MouseArgsFromMessage(msg, wParam, lParam);
  if (events_) events_->lst_MouseUp(args.button, args.shift, args.x, args.y);
  return result;
}

LRESULT Win32ListBox::OnSetFocus(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
  // A press on the list takes the focus (the LISTBOX asks for it); the user goes
  // on typing in the window that had it.
  auto previous = reinterpret_cast<HWND>(wParam);
  if (previous && ::IsWindow(previous) && ::GetWindowThreadProcessId(previous, nullptr) == ::GetCurrentThreadId())
    ::SetFocus(previous);
  return result;
}

// The system's own object for a list box does not follow a selection that is not
// the keyboard's (and under Wine has no rows at all); the control's does.
LRESULT Win32ListBox::OnGetObject(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT) return WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
  return AccessibleObject::Answer(new AccessibleDropDownList(hwnd), wParam);
}

// The whole client area is painted here (WM_ERASEBKGND left it alone), one row
// in view at a time.
LRESULT Win32ListBox::OnPaint(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!matcher_) return WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
  const PaintScope paint(hwnd);
  const auto back = reinterpret_cast<HBRUSH>(look_.PrepareDc(paint.dc()));
  painter_.Paint(window_, *this, paint.dc(), back, *matcher_);
  return 0;
}

LRESULT Win32ListBox::CallRepaintingSelection(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!matcher_) return WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
  const LRESULT before = window_.SendPastHandler(LB_GETCURSEL, 0, 0);
  const LRESULT result = WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
  if (::IsWindow(hwnd) && window_.SendPastHandler(LB_GETCURSEL, 0, 0) != before) {
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  return result;
}

}  // namespace zelvane::win32
