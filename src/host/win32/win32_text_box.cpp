#include "host/win32/win32_text_box.h"

#include "core/vb_errors.h"
#include "host/control_hold.h"
#include "host/win32/accessible_text_box.h"
#include "host/win32/child_window_geometry.h"
#include "host/win32/module_instance.h"
#include "host/win32/vb_input_args.h"
#include "host/win32/win32_error.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <climits>

namespace zelvane::win32 {
namespace {

constexpr int kTextBoxId = 1;

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

/// The keys a dialog-style host would otherwise keep for itself (default button,
/// focus moves) but that the control gives their list meanings.
bool IsListKey(const MSG& msg) {
  if (msg.message == WM_KEYDOWN) return msg.wParam == VK_RETURN || msg.wParam == VK_UP || msg.wParam == VK_DOWN;
  return msg.message == WM_CHAR && msg.wParam == L'\r';
}

constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;

HWND CreateEdit(HWND parent, DWORD exStyle, DWORD style, const wchar_t* text, const RECT& rect) {
  HWND hwnd = ::CreateWindowExW(exStyle, L"EDIT", text, style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextBoxId)), ThisModule(), nullptr);
  if (!hwnd) RaiseLastError(u"CreateWindowExW(EDIT)");
  // Typing is not limited to the EDIT's default of 32767 characters.
  ::SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);
  return hwnd;
}

}  // namespace

Win32TextBox::Win32TextBox(HWND parent, host::ControlOwner& owner)
    : owner_(owner), window_(CreateEdit(parent, 0, kEditStyle, L"", RECT{}), static_cast<SubclassHandler&>(*this)), look_(window_.get()) {}

Win32TextBox::~Win32TextBox() {
  *accessibleLink_ = nullptr;
  events_ = nullptr;
  window_.Destroy();
}

void Win32TextBox::SetVisible(bool visible) { ::ShowWindow(window_.get(), visible ? SW_SHOWNOACTIVATE : SW_HIDE); }

std::u16string Win32TextBox::Text() const {
  std::u16string text(static_cast<std::size_t>(std::max(::GetWindowTextLengthW(window_.get()), 0)), u'\0');
  const int copied = ::GetWindowTextW(window_.get(), reinterpret_cast<wchar_t*>(text.data()),
                                      static_cast<int>(text.size() + 1));
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

void Win32TextBox::SetText(const std::u16string& text) {
  // The EDIT reports every WM_SETTEXT as a change, even to the same text.
  if (Text() == text) return;
  ::SetWindowTextW(window_.get(), Wide(text));
}

std::int32_t Win32TextBox::SelStart() const {
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageW(window_.get(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<std::int32_t>(start);
}

void Win32TextBox::SetSelStart(std::int32_t start) {
  if (start < 0) core::RaiseVbError(core::VbError::InvalidPropertyValue);
  ::SendMessageW(window_.get(), EM_SETSEL, static_cast<WPARAM>(start), start);
}

std::int32_t Win32TextBox::SelLength() const {
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageW(window_.get(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<std::int32_t>(end - start);
}

void Win32TextBox::SetSelLength(std::int32_t length) {
  if (length < 0) core::RaiseVbError(core::VbError::InvalidPropertyValue);
  const std::int32_t start = SelStart();
  const std::int32_t end = length > INT_MAX - start ? INT_MAX : start + length;
  ::SendMessageW(window_.get(), EM_SETSEL, static_cast<WPARAM>(start), end);
}

std::u16string Win32TextBox::SelText() const {
  const std::u16string text = Text();
  const auto start = std::min(static_cast<std::size_t>(SelStart()), text.size());
  return text.substr(start, static_cast<std::size_t>(SelLength()));
}

void Win32TextBox::SetSelText(const std::u16string& text) {
  ::SendMessageW(window_.get(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Wide(text)));
}

bool Win32TextBox::Enabled() const { return ::IsWindowEnabled(window_.get()) != FALSE; }

void Win32TextBox::SetEnabled(bool enabled) { ::EnableWindow(window_.get(), enabled ? TRUE : FALSE); }

void Win32TextBox::SetFont(host::FontPtr font) { look_.SetFont(font); }

void Win32TextBox::SetBackColor(host::OleColor color) { look_.SetBackColor(color); }

void Win32TextBox::SetForeColor(host::OleColor color) { look_.SetForeColor(color); }

// An EDIT reads its alignment only when it is created (the system's and Wine's alike),
// so it is made anew in the same place with the same text, selection, look and focus.
// Its handle changes; nothing is raised to the host.
void Win32TextBox::SetRightToLeft(bool rightToLeft) {
  HWND old = window_.get();
  const LONG_PTR style = ::GetWindowLongPtrW(old, GWL_STYLE);
  const LONG_PTR exStyle = ::GetWindowLongPtrW(old, GWL_EXSTYLE);
  const LONG_PTR exBits = WS_EX_RTLREADING | WS_EX_RIGHT;
  const LONG_PTR nextStyle = rightToLeft ? (style | ES_RIGHT) : (style & ~static_cast<LONG_PTR>(ES_RIGHT));
  const LONG_PTR nextExStyle = rightToLeft ? (exStyle | exBits) : (exStyle & ~exBits);
  if (nextStyle == style && nextExStyle == exStyle) return;
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageW(old, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const std::u16string text = Text();
  HWND created = CreateEdit(::GetParent(old), static_cast<DWORD>(nextExStyle), static_cast<DWORD>(nextStyle),
                            Wide(text), RectInParent(old));
  ::SetWindowPos(created, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::SendMessageW(created, EM_SETSEL, start, end);
  window_.Replace(created);
  look_.MoveTo(created);
  if (recreated_) recreated_();
}

std::int32_t Win32TextBox::Left() const { return RectInParent(window_.get()).left; }

void Win32TextBox::SetLeft(std::int32_t left) {
  const RECT rect = RectInParent(window_.get());
  PlaceInParent(window_.get(), left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

std::int32_t Win32TextBox::Top() const { return RectInParent(window_.get()).top; }

void Win32TextBox::SetTop(std::int32_t top) {
  const RECT rect = RectInParent(window_.get());
  PlaceInParent(window_.get(), rect.left, top, rect.right - rect.left, rect.bottom - rect.top);
}

std::int32_t Win32TextBox::Width() const {
  const RECT rect = RectInParent(window_.get());
  return rect.right - rect.left;
}

void Win32TextBox::SetWidth(std::int32_t width) {
  const RECT rect = RectInParent(window_.get());
  PlaceInParent(window_.get(), rect.left, rect.top, width, rect.bottom - rect.top);
}

std::int32_t Win32TextBox::Height() const {
  const RECT rect = RectInParent(window_.get());
  return rect.bottom - rect.top;
}

void Win32TextBox::SetHeight(std::int32_t height) {
  const RECT rect = RectInParent(window_.get());
  PlaceInParent(window_.get(), rect.left, rect.top, rect.right - rect.left, height);
}

LRESULT Win32TextBox::OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // The EDIT goes on with the message after an event (after EN_CHANGE, say): the
  // control, and so the EDIT, stays until the message is done.
  const host::ControlHold hold(owner_);
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: return OnKey(hwnd, msg, wParam, lParam);
    case WM_CHAR: return OnChar(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: return OnButtonDown(hwnd, msg, wParam, lParam);
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: return OnButtonUp(hwnd, msg, wParam, lParam);
    case WM_MOUSEMOVE: return OnMouseMove(hwnd, msg, wParam, lParam);
    case WM_MOUSELEAVE: return OnMouseLeave(hwnd, msg, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return OnFocus(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDBLCLK: return OnDoubleClick(hwnd, msg, wParam, lParam);
    case WM_CAPTURECHANGED: click_.Cancel(); return WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE: return OnGetDlgCode(hwnd, msg, wParam, lParam);
    case WM_GETOBJECT: return OnGetObject(hwnd, msg, wParam, lParam);
    case OCM_COMMAND: return OnCommand(wParam);
    case OCM_CTLCOLOREDIT: return look_.PrepareDc(reinterpret_cast<HDC>(wParam));
    case OCM_CTLCOLORSTATIC: return look_.PrepareDc(reinterpret_cast<HDC>(wParam), true);
    default: return WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
  }
}

// The hold keeps the control and its windows through an event in which the host
// closes it; a host may still destroy the EDIT itself (through HwndEditor), so it
// gets the message only if it is alive.

LRESULT Win32TextBox::OnKey(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto keyCode = static_cast<std::int16_t>(wParam);
  std::int16_t shift = KeyShiftState();
  if (events_) {
    if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN)
      events_->txt_KeyDown(keyCode, shift);
    else
      events_->txt_KeyUp(keyCode, shift);
  }
  if (keyCode == 0 || !::IsWindow(hwnd)) return 0;
  return WindowSubclass::CallNext(hwnd, msg, static_cast<std::uint16_t>(keyCode), lParam);
}

LRESULT Win32TextBox::OnChar(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto keyAscii = static_cast<std::int16_t>(static_cast<std::uint16_t>(wParam));
  if (events_) events_->txt_KeyPress(keyAscii);
  if (keyAscii == 0 || !::IsWindow(hwnd)) return 0;
  return WindowSubclass::CallNext(hwnd, msg, static_cast<std::uint16_t>(keyAscii), lParam);
}

LRESULT Win32TextBox::OnButtonDown(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_LBUTTONDOWN) click_.Press();
  VbMouseArgs args = MouseArgsFromMessage(msg, wParam, lParam);
  if (events_) events_->txt_MouseDown(args.button, args.shift, args.x, args.y);
  return ::IsWindow(hwnd) ? WindowSubclass::CallNext(hwnd, msg, wParam, lParam) : 0;
}

LRESULT Win32TextBox::OnButtonUp(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const bool clicked = msg == WM_LBUTTONUP && click_.Release(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  VbMouseArgs args = MouseArgsFromMessage(msg, wParam, lParam);
  host::TextBoxEvents* events = events_;
  if (events) events->txt_MouseUp(args.button, args.shift, args.x, args.y);
  if (!::IsWindow(hwnd)) return 0;
  // The EDIT lets go of the mouse before the host's Click handler runs.
  const LRESULT result = WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
  if (clicked && events) events->txt_Click();
  return result;
}

LRESULT Win32TextBox::OnMouseMove(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  leave_.Track(hwnd);
  VbMouseArgs args = MouseArgsFromMessage(msg, wParam, lParam);
  if (events_) events_->txt_MouseMove(args.button, args.shift, args.x, args.y);
  return ::IsWindow(hwnd) ? WindowSubclass::CallNext(hwnd, msg, wParam, lParam) : 0;
}

LRESULT Win32TextBox::OnMouseLeave(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  leave_.Left();
  // The EDIT may track the mouse for a hot look of its own.
  const LRESULT result = WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
  if (events_) events_->txt_MouseLeave();
  return result;
}

LRESULT Win32TextBox::OnFocus(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
  if (!events_) return result;
  if (msg == WM_SETFOCUS)
    events_->txt_GotFocus();
  else
    events_->txt_LostFocus();
  return result;
}

LRESULT Win32TextBox::OnDoubleClick(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // The second press of a double-click is no press of a click of its own.
  click_.Cancel();
  if (events_) events_->txt_DblClick();
  return ::IsWindow(hwnd) ? WindowSubclass::CallNext(hwnd, msg, wParam, lParam) : 0;
}

bool Win32TextBox::ClaimedKey(const MSG& msg) const {
  return msg.message == WM_KEYDOWN && events_ && events_->txt_ClaimsKey(static_cast<std::int16_t>(msg.wParam));
}

LRESULT Win32TextBox::OnGetDlgCode(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT code = WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
  // Asked about one key at a time: only Enter, Up and Down are claimed, and a key
  // the control claims for the moment (Escape while it closes its list), so Tab
  // still moves the focus in a dialog.
  const auto* pending = reinterpret_cast<const MSG*>(lParam);
  if (pending && (IsListKey(*pending) || ClaimedKey(*pending))) code |= DLGC_WANTMESSAGE;
  return code;
}

LRESULT Win32TextBox::OnCommand(WPARAM wParam) {
  if (HIWORD(wParam) == EN_CHANGE && events_) events_->txt_Change();
  return 0;
}

bool Win32TextBox::Focused() const { return ::GetFocus() == window_.get(); }

std::u16string Win32TextBox::AccessibleName() const { return events_ ? events_->txt_AccessibleName() : u""; }

// The system's object for the EDIT with the control's name on it; the system has no
// way to change an object's name alone (IAccPropServices) everywhere, Wine lacking it.
LRESULT Win32TextBox::OnGetObject(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT) return WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
  com_ptr<IAccessible> standard;
  if (FAILED(::CreateStdAccessibleObject(hwnd, OBJID_CLIENT, __uuidof(IAccessible), standard.put_void())))
    return WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
  return AccessibleObject::Answer(new AccessibleTextBox(hwnd, std::move(standard), accessibleLink_), wParam);
}

}  // namespace zelvane::win32
