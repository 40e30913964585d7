#include "host/win32/win32_surface.h"

#include "core/scale_units.h"
#include "core/vb_errors.h"
#include "host/control_hold.h"
#include "host/win32/accessible_control.h"
#include "host/win32/dispatch_guard.h"
#include "host/win32/paint_scope.h"
#include "host/win32/surface_window_class.h"
#include "host/win32/vb_input_args.h"
#include "host/win32/win32_error.h"
#include "host/win32/win32_screen.h"

#include <olectl.h>
#include <windowsx.h>

namespace zelvane::win32 {
namespace {

// Posted by the accessible object to the surface's own class, so it carries no pointer.
constexpr UINT kPressButtonMessage = WM_USER + 1;

// Sent to child windows of a per-monitor (v2) aware host once the form has moved
// to a monitor of another DPI; named here for SDKs that predate it.
constexpr UINT kDpiChangedAfterParent = 0x02E3;

bool IsContainerMode(std::int16_t mode) { return mode == host::vbContainerPosition || mode == host::vbContainerSize; }

bool BelongsToThisThread(HWND hwnd) {
  return hwnd && ::GetWindowThreadProcessId(hwnd, nullptr) == ::GetCurrentThreadId();
}

}  // namespace

Win32Surface::Win32Surface(HWND parent, host::ControlOwner& owner) : owner_(owner) {
  EnsureSurfaceClass(WindowProc);
  // WM_NCCREATE stores the window in window_, so the messages of creation already
  // find this object.
  HWND hwnd = ::CreateWindowExW(WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT, kSurfaceClassName, L"",
                                WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr,
                                nullptr, this);
  if (!hwnd) RaiseLastError(u"CreateWindowExW");
}

Win32Surface::~Win32Surface() {
  *accessibleLink_ = nullptr;
  events_ = nullptr;
  drawDc_.reset();
}

host::Hdc Win32Surface::hDC() {
  if (paintDc_) return reinterpret_cast<host::Hdc>(paintDc_);
  if (!drawDc_) drawDc_.emplace(window_.get());
  return reinterpret_cast<host::Hdc>(drawDc_->get());
}

bool Win32Surface::Enabled() const { return ::IsWindowEnabled(window_.get()) != FALSE; }

void Win32Surface::SetEnabled(bool enabled) { ::EnableWindow(window_.get(), enabled ? TRUE : FALSE); }

void Win32Surface::SetAppearance(std::int16_t appearance) {
  if (appearance != 0 && appearance != 1) core::RaiseVbError(core::VbError::InvalidPropertyValue);
  HWND hwnd = window_.get();
  LONG_PTR style = ::GetWindowLongPtrW(hwnd, GWL_STYLE);
  LONG_PTR exStyle = ::GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
  if (appearance == 0) {
    style |= WS_BORDER;
    exStyle &= ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
  } else {
    style &= ~static_cast<LONG_PTR>(WS_BORDER);
    exStyle |= WS_EX_CLIENTEDGE;
  }
  appearance_ = appearance;
  ::SetWindowLongPtrW(hwnd, GWL_STYLE, style);
  ::SetWindowLongPtrW(hwnd, GWL_EXSTYLE, exStyle);
  // The frame is recomputed only on request; the inner size changes with it and
  // WM_SIZE lays the control out again.
  ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::int32_t Win32Surface::ScaleWidth() const {
  RECT client{};
  ::GetClientRect(window_.get(), &client);
  return client.right - client.left;
}

std::int32_t Win32Surface::ScaleHeight() const {
  RECT client{};
  ::GetClientRect(window_.get(), &client);
  return client.bottom - client.top;
}

std::int32_t Win32Surface::Width() const {
  RECT outer{};
  ::GetWindowRect(window_.get(), &outer);
  return outer.right - outer.left;
}

float Win32Surface::ScaleX(float width, std::int16_t fromScale, std::int16_t toScale) const {
  return Scale(width, fromScale, toScale, true);
}

float Win32Surface::ScaleY(float height, std::int16_t fromScale, std::int16_t toScale) const {
  return Scale(height, fromScale, toScale, false);
}

float Win32Surface::Scale(float value, std::int16_t fromScale, std::int16_t toScale, bool horizontal) const {
  const bool fromContainer = IsContainerMode(fromScale);
  const bool toContainer = IsContainerMode(toScale);
  if ((fromContainer || toContainer) && !containerTransform_) core::RaiseVbError(core::VbError::InvalidArgument);
  // The container's unit is reached through himetric, the unit its transform takes.
  if (fromContainer) {
    value = containerTransform_(value, horizontal, false);
    fromScale = host::vbHimetric;
  }
  const Win32Screen screen(window_.get());
  const double twipsPerPixel = horizontal ? screen.TwipsPerPixelX() : screen.TwipsPerPixelY();
  const std::int16_t convertTo = toContainer ? std::int16_t{host::vbHimetric} : toScale;
  auto result = static_cast<float>(core::ConvertScale(value, fromScale, convertTo, twipsPerPixel, horizontal));
  return toContainer ? containerTransform_(result, horizontal, true) : result;
}

void Win32Surface::Cls() {
  HWND hwnd = window_.get();
  RECT client{};
  ::GetClientRect(hwnd, &client);
  WindowDc dc(hwnd);
  ::FillRect(dc.get(), &client, reinterpret_cast<HBRUSH>(::GetClassLongPtrW(hwnd, GCLP_HBRBACKGROUND)));
}

void Win32Surface::DrawThemeBackground(host::Hdc hdc, int iPartId, int iStateId, const host::Rect& rect,
                                       host::OleColor backdrop) {
  theme_.Draw(reinterpret_cast<HDC>(hdc), iPartId, iStateId, RECT{rect.left, rect.top, rect.right, rect.bottom},
              backdrop);
}

void Win32Surface::SetThemeBorder(int iPartId, int iStateId) {
  if (theme_.SetBorder(iPartId, iStateId)) ::SendMessageW(window_.get(), WM_NCPAINT, 1, 0);
}

LRESULT CALLBACK Win32Surface::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<Win32Surface*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_.reset(hwnd);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32Surface*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->drawDc_.reset();
    (void)self->window_.release();  // the system is destroying it already
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  // The host may close and let go of the control inside an event raised here;
  // the surface goes only once this message is done.
  const host::ControlHold hold(self->owner_);
  return GuardedDispatch([&] { return self->Dispatch(hwnd, msg, wParam, lParam); },
                         [&] { return ::DefWindowProcW(hwnd, msg, wParam, lParam); });
}

LRESULT Win32Surface::Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // A DC handed out by hDC() serves until the surface's next message.
  drawDc_.reset();
  switch (msg) {
    case WM_PAINT: return OnPaint();
    case WM_SIZE: return OnSize();
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: return OnButtonDown(msg, wParam, lParam);
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: return OnButtonUp(msg, wParam, lParam);
    case WM_MOUSEMOVE: return OnMouseMove(msg, wParam, lParam);
    case WM_CAPTURECHANGED: click_.Cancel(); return 0;
    case WM_SETFOCUS: return OnSetFocus();
    case WM_NCPAINT: return OnNcPaint(wParam);
    case WM_MOUSELEAVE: return OnMouseLeave();
    case WM_THEMECHANGED: return OnThemeChanged();
    case kDpiChangedAfterParent: return OnDpiChanged();
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC: return OnReflected(msg, wParam, lParam);
    case WM_GETOBJECT: return OnGetObject(hwnd, msg, wParam, lParam);
    case kPressButtonMessage: return OnPressButton();
    default: return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

LRESULT Win32Surface::OnPaint() {
  PaintScope paint(window_.get());
  paintDc_ = paint.dc();
  struct ClearPaintDc {
    HDC& dc;
    ~ClearPaintDc() { dc = nullptr; }
  } clear{paintDc_};
  if (events_) events_->UserControl_Paint();
  return 0;
}

LRESULT Win32Surface::OnSize() {
  if (events_) events_->UserControl_Resize();
  return 0;
}

LRESULT Win32Surface::OnButtonDown(UINT msg, WPARAM wParam, LPARAM lParam) {
  // Held buttons keep reporting to the surface wherever the pointer goes.
  ::SetCapture(window_.get());
  if (msg == WM_LBUTTONDOWN) click_.Press();
  const VbMouseArgs args = MouseArgsFromMessage(msg, wParam, lParam);
  if (events_) events_->UserControl_MouseDown(args.button, args.shift, args.x, args.y);
  return 0;
}

LRESULT Win32Surface::OnButtonUp(UINT msg, WPARAM wParam, LPARAM lParam) {
  const bool clicked = msg == WM_LBUTTONUP && click_.Release(window_.get(), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  if (!AnyButtonHeld(wParam) && ::GetCapture() == window_.get()) ::ReleaseCapture();
  const VbMouseArgs args = MouseArgsFromMessage(msg, wParam, lParam);
  host::SurfaceEvents* events = events_;
  if (!events) return 0;
  events->UserControl_MouseUp(args.button, args.shift, args.x, args.y);
  if (clicked) events->UserControl_Click();
  return 0;
}

LRESULT Win32Surface::OnMouseMove(UINT msg, WPARAM wParam, LPARAM lParam) {
  leave_.Track(window_.get());
  const VbMouseArgs args = MouseArgsFromMessage(msg, wParam, lParam);
  if (events_) events_->UserControl_MouseMove(args.button, args.shift, args.x, args.y);
  return 0;
}

LRESULT Win32Surface::OnNcPaint(WPARAM region) {
  if (theme_.PaintFrame(window_.get())) return 0;
  return ::DefWindowProcW(window_.get(), WM_NCPAINT, region, 0);
}

LRESULT Win32Surface::OnMouseLeave() {
  leave_.Left();
  if (events_) events_->UserControl_MouseLeave();
  return 0;
}

LRESULT Win32Surface::OnThemeChanged() {
  if (events_) events_->UserControl_ThemeChanged();
  return 0;
}

LRESULT Win32Surface::OnDpiChanged() {
  // The button's width follows the window's new DPI even when its size stays.
  if (events_) events_->UserControl_Resize();
  ::InvalidateRect(window_.get(), nullptr, TRUE);
  return 0;
}

LRESULT Win32Surface::OnSetFocus() {
  if (focusChild_ && ::IsWindow(focusChild_)) ::SetFocus(focusChild_);
  return 0;
}

std::optional<host::AccessibleButton> Win32Surface::AccessibleButton() const {
  return events_ ? events_->UserControl_AccessibleButton() : std::nullopt;
}

void Win32Surface::PressButtonLater() const {
  // Never to no window: that would post to the thread's own queue.
  if (window_) ::PostMessageW(window_.get(), kPressButtonMessage, 0, 0);
}

LRESULT Win32Surface::OnPressButton() {
  if (events_) events_->UserControl_ButtonDefaultAction();
  return 0;
}

LRESULT Win32Surface::OnGetObject(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT) return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  return AccessibleObject::Answer(new AccessibleControl(hwnd, focusChild_, accessibleLink_), wParam);
}

LRESULT Win32Surface::OnReflected(UINT msg, WPARAM wParam, LPARAM lParam) {
  // Notifications and colour requests name their control in lParam; each
  // constituent answers its own (OCM_*), whichever window it lives under now.
  auto child = reinterpret_cast<HWND>(lParam);
  if (BelongsToThisThread(child)) {
    if (LRESULT answer = ::SendMessageW(child, OCM__BASE + msg, wParam, lParam)) return answer;
  }
  return ::DefWindowProcW(window_.get(), msg, wParam, lParam);
}

}  // namespace zelvane::win32
