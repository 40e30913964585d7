#pragma once
#include "host/surface.h"

#include "host/control_owner.h"

#include "host/win32/windows_api.h"

#include <memory>
#include <optional>

#include "host/accessible_button.h"

#include "host/win32/click_tracker.h"
#include "host/win32/container_transform.h"
#include "host/win32/leave_tracker.h"
#include "host/win32/surface_theme.h"
#include "host/win32/unique_handle.h"
#include "host/win32/window_dc.h"

namespace zelvane::win32 {

/// The control's own window: a child window of the "ZelvaneSurface" class that
/// holds the text box and the list box, relays its mouse input and paint requests
/// to the control, and reflects its children's notifications and colour requests
/// back to them (as OCM_* messages) so each constituent handles its own.
class Win32Surface final : public host::Surface {
 public:
  /// Creates the window hidden under `parent`, with the sunken border (Appearance 1);
  /// `owner` is held while the window handles a message.
  Win32Surface(HWND parent, host::ControlOwner& owner);
  Win32Surface(const Win32Surface&) = delete;
  Win32Surface& operator=(const Win32Surface&) = delete;
  ~Win32Surface() override;

  void SetEvents(host::SurfaceEvents* events) override { events_ = events; }
  host::Hwnd hWnd() const override { return reinterpret_cast<host::Hwnd>(window_.get()); }
  /// Inside WM_PAINT the paint DC; otherwise a window DC kept until the surface's
  /// next message.
  host::Hdc hDC() override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  std::int16_t Appearance() const override { return appearance_; }
  /// 0 a flat one-pixel border, 1 a sunken two-pixel edge; anything else VB error 380.
  void SetAppearance(std::int16_t appearance) override;
  std::int32_t ScaleWidth() const override;
  std::int32_t ScaleHeight() const override;
  std::int32_t Width() const override;
  std::int16_t ScaleMode() const override { return host::vbPixels; }
  float ScaleX(float width, std::int16_t fromScale, std::int16_t toScale) const override;
  float ScaleY(float height, std::int16_t fromScale, std::int16_t toScale) const override;
  /// Fills the inner area with the background at once, without a Paint.
  void Cls() override;
  bool OpenThemeData(std::u16string_view classList) override { return theme_.Open(window_.get(), classList); }
  void CloseThemeData() override { theme_.Close(); }
  bool IsThemePartDefined(int iPartId) const override { return theme_.Defines(iPartId); }
  void DrawThemeBackground(host::Hdc hdc, int iPartId, int iStateId, const host::Rect& rect,
                           host::OleColor backdrop) override;
  /// Redraws the frame at once when the border changes.
  void SetThemeBorder(int iPartId, int iStateId) override;

  HWND hwnd() const noexcept { return window_.get(); }
  /// Serves vbContainerPosition and vbContainerSize in ScaleX/ScaleY; without it
  /// those modes are VB error 5.
  void SetContainerTransform(ContainerTransform transform) { containerTransform_ = std::move(transform); }
  /// The child that takes the keyboard focus when the surface is given it (the
  /// text box, which is also the first child screen readers find in the control).
  void SetFocusChild(HWND child) noexcept { focusChild_ = child; }
  /// The drop-down button as screen readers see it; none while it is not shown.
  std::optional<host::AccessibleButton> AccessibleButton() const;
  /// A screen reader's press of the button, run from the message loop.
  void PressButtonLater() const;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint();
  LRESULT OnSize();
  LRESULT OnButtonDown(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnButtonUp(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseMove(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnSetFocus();
  LRESULT OnNcPaint(WPARAM region);
  LRESULT OnMouseLeave();
  LRESULT OnThemeChanged();
  LRESULT OnDpiChanged();
  LRESULT OnReflected(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnGetObject(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnPressButton();
  float Scale(float value, std::int16_t fromScale, std::int16_t toScale, bool horizontal) const;

  host::ControlOwner& owner_;
  unique_hwnd window_;
  host::SurfaceEvents* events_ = nullptr;  // the control; none while it is being built
  std::int16_t appearance_ = 1;
  HDC paintDc_ = nullptr;              // set for the length of one WM_PAINT
  std::optional<WindowDc> drawDc_;     // handed out by hDC() outside WM_PAINT
  ClickTracker click_;
  LeaveTracker leave_;
  SurfaceTheme theme_;
  ContainerTransform containerTransform_;
  HWND focusChild_ = nullptr;
  // What the control's accessible objects reach it through; cleared when it goes.
  std::shared_ptr<Win32Surface*> accessibleLink_ = std::make_shared<Win32Surface*>(this);
};

}  // namespace zelvane::win32
