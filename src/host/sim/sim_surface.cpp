#include "host/sim/sim_surface.h"

#include "core/scale_units.h"
#include "core/vb_errors.h"
#include "host/sim/sim_desktop.h"
#include "host/sim/rect_size.h"
#include "host/sim/sim_messages.h"
#include "host/sim/vb_mouse_args.h"

namespace zelvane::sim {
namespace {

int BorderOf(std::int16_t appearance) { return appearance == 1 ? 2 : 1; }

void RequireAppearance(std::int16_t appearance) {
  if (appearance != 0 && appearance != 1) core::RaiseVbError(core::VbError::InvalidPropertyValue);
}

}  // namespace

SimSurface::SimSurface(SimDesktop& desktop, const host::Screen& screen, host::Hwnd parent, host::Rect outerRect,
                       std::int16_t appearance)
    : desktop_(desktop), screen_(screen), appearance_(appearance) {
  RequireAppearance(appearance);
  hwnd_ = desktop_.CreateWindow(u"ZelvaneSurface", parent, host::WS_CHILD | WS_VISIBLE, 0, outerRect, this);
  desktop_.SetBorder(hwnd_, BorderOf(appearance_));
}

SimSurface::~SimSurface() {
  if (desktop_.IsWindow(hwnd_)) desktop_.DestroyWindow(hwnd_);
}

bool SimSurface::Enabled() const { return desktop_.IsWindowEnabled(hwnd_); }

void SimSurface::SetEnabled(bool enabled) { desktop_.EnableWindow(hwnd_, enabled); }

void SimSurface::SetAppearance(std::int16_t appearance) {
  RequireAppearance(appearance);
  if (appearance == appearance_) return;
  appearance_ = appearance;
  desktop_.SetBorder(hwnd_, BorderOf(appearance_));  // resizes the inner area: OnSize
}

std::int32_t SimSurface::ScaleWidth() const { return RectWidth(desktop_.ClientRectOnScreen(hwnd_)); }

std::int32_t SimSurface::ScaleHeight() const { return RectHeight(desktop_.ClientRectOnScreen(hwnd_)); }

std::int32_t SimSurface::Width() const { return RectWidth(desktop_.RectInParent(hwnd_)); }

std::int32_t SimSurface::Height() const { return RectHeight(desktop_.RectInParent(hwnd_)); }

int SimSurface::BorderWidth() const { return desktop_.Border(hwnd_); }

std::int16_t SimSurface::Resolve(std::int16_t mode) const {
  if (mode == host::vbUser) return ScaleMode();
  if (mode == host::vbContainerPosition || mode == host::vbContainerSize) return containerScaleMode_;
  return mode;
}

float SimSurface::Convert(float value, std::int16_t from, std::int16_t to, bool horizontal) const {
  const double twipsPerPixel = horizontal ? screen_.TwipsPerPixelX() : screen_.TwipsPerPixelY();
  return static_cast<float>(core::ConvertScale(value, Resolve(from), Resolve(to), twipsPerPixel, horizontal));
}

float SimSurface::ScaleX(float width, std::int16_t fromScale, std::int16_t toScale) const {
  return Convert(width, fromScale, toScale, true);
}

float SimSurface::ScaleY(float height, std::int16_t fromScale, std::int16_t toScale) const {
  return Convert(height, fromScale, toScale, false);
}

void SimSurface::Cls() { desktop_.LogCls(hDC()); }

bool SimSurface::OpenThemeData(std::u16string_view classList) {
  themeOpen_ = desktop_.ThemeActive() && classList == u"COMBOBOX";
  return themeOpen_;
}

bool SimSurface::IsThemePartDefined(int iPartId) const { return themeOpen_ && desktop_.ThemeDefinesPart(iPartId); }

void SimSurface::DrawThemeBackground(host::Hdc hdc, int iPartId, int iStateId, const host::Rect& rect,
                                     host::OleColor backdrop) {
  if (themeOpen_) desktop_.LogThemeBackground(hdc, iPartId, iStateId, rect, backdrop);
}

void SimSurface::Resize(std::int32_t width, std::int32_t height) {
  const host::Rect r = desktop_.RectInParent(hwnd_);
  const bool sameSize = RectWidth(r) == width && RectHeight(r) == height;
  desktop_.MoveWindow(hwnd_, r.left, r.top, width, height, true);  // a new size arrives through OnSize
  if (sameSize) FireResizeAndPaint();
}

void SimSurface::Paint() {
  if (events_ != nullptr) events_->UserControl_Paint();
}

std::optional<host::AccessibleButton> SimSurface::AccessibleButton() const {
  return events_ != nullptr ? events_->UserControl_AccessibleButton() : std::nullopt;
}

void SimSurface::DoButtonDefaultAction() {
  if (events_ != nullptr) events_->UserControl_ButtonDefaultAction();
}

void SimSurface::FireResizeAndPaint() {
  if (events_ != nullptr) events_->UserControl_Resize();
  Paint();
}

void SimSurface::OnSize() { FireResizeAndPaint(); }

void SimSurface::OnMouseLeave() {
  if (events_ != nullptr) events_->UserControl_MouseLeave();
}

void SimSurface::OnThemeChanged() {
  if (events_ != nullptr) events_->UserControl_ThemeChanged();
}

void SimSurface::OnMouse(std::uint32_t msg, host::Point client, int button, int shift) {
  if (events_ == nullptr) return;
  const VbMouseArgs a(client, button, shift);
  switch (msg) {
    case host::WM_LBUTTONDOWN:
    case host::WM_RBUTTONDOWN:
    case host::WM_MBUTTONDOWN:
      pressedButton_ = button;
      events_->UserControl_MouseDown(a.button, a.shift, a.x, a.y);
      break;
    case host::WM_MOUSEMOVE:
      events_->UserControl_MouseMove(a.button, a.shift, a.x, a.y);
      break;
    case host::WM_LBUTTONUP:
    case host::WM_RBUTTONUP:
    case host::WM_MBUTTONUP: {
      // A click needs the press and the release of the same button on the surface.
      const bool click = pressedButton_ == button && client.x >= 0 && client.y >= 0 && client.x < ScaleWidth() &&
                         client.y < ScaleHeight();
      if (pressedButton_ == button) pressedButton_ = 0;
      events_->UserControl_MouseUp(a.button, a.shift, a.x, a.y);
      if (click) {
        ++clicks_;
        // The host may have destroyed the control in its MouseUp handler.
        if (events_ != nullptr) events_->UserControl_Click();
      }
      break;
    }
    default:
      // The second press of a double-click is a DblClick, which the surface does
      // not relay; its release then ends no click.
      pressedButton_ = 0;
      break;
  }
}

}  // namespace zelvane::sim
