#pragma once
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "host/screen.h"
#include "host/surface.h"
#include "host/sim/sim_window_handler.h"

namespace zelvane::sim {

class SimDesktop;

/// The control's own window on a form. Its outer size is set by the test; the
/// inner area (ScaleWidth x ScaleHeight, pixels) is the outer size less the
/// border: 1 pixel for the flat appearance (0), 2 for the sunken one (1).
/// Children such as the text box are placed in the inner area's coordinates.
///
/// Mouse input on the parts no child covers raises UserControl_MouseDown/Move/Up
/// with inner-area pixels; a press and the following release of the same button
/// on the surface (the capture holds between them) raise UserControl_Click. A
/// disabled surface gets no mouse input, nor do its children.
class SimSurface final : public host::Surface, public SimWindowHandler {
 public:
  SimSurface(SimDesktop& desktop, const host::Screen& screen, host::Hwnd parent, host::Rect outerRect,
             std::int16_t appearance = 1);
  ~SimSurface() override;
  SimSurface(const SimSurface&) = delete;
  SimSurface& operator=(const SimSurface&) = delete;

  // host::Surface
  void SetEvents(host::SurfaceEvents* events) override { events_ = events; }
  host::Hwnd hWnd() const override { return hwnd_; }
  /// Equal to hWnd(), so the draw log names the surface.
  host::Hdc hDC() override { return static_cast<host::Hdc>(hwnd_); }
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  std::int16_t Appearance() const override { return appearance_; }
  /// 0 or 1; a change fires UserControl_Resize then UserControl_Paint. Other
  /// values raise VB error 380 and change nothing.
  void SetAppearance(std::int16_t appearance) override;
  std::int32_t ScaleWidth() const override;
  std::int32_t ScaleHeight() const override;
  std::int32_t Width() const override;
  std::int16_t ScaleMode() const override { return 3; }
  /// vbUser (0) means the surface's own pixels; vbContainerPosition and
  /// vbContainerSize mean the container's unit (SetContainerScaleMode). Other
  /// unknown modes raise VB error 5.
  float ScaleX(float width, std::int16_t fromScale, std::int16_t toScale) const override;
  float ScaleY(float height, std::int16_t fromScale, std::int16_t toScale) const override;
  void Cls() override;
  /// Opens when the desktop's theme is on and the class is "COMBOBOX".
  bool OpenThemeData(std::u16string_view classList) override;
  void CloseThemeData() override { themeOpen_ = false; }
  bool IsThemePartDefined(int iPartId) const override;
  /// Logged on the desktop's draw log.
  void DrawThemeBackground(host::Hdc hdc, int iPartId, int iStateId, const host::Rect& rect,
                           host::OleColor backdrop) override;
  void SetThemeBorder(int iPartId, int iStateId) override { themeBorder_ = {iPartId, iStateId}; }

  // Test helpers
  bool ThemeOpen() const { return themeOpen_; }
  /// The themed border's part and state; part 0 for the classic edge.
  std::pair<int, int> ThemeBorder() const { return themeBorder_; }
  /// Sets the outer size; fires UserControl_Resize then UserControl_Paint.
  void Resize(std::int32_t width, std::int32_t height);
  /// Fires UserControl_Paint, as when the window is uncovered.
  void Paint();
  /// What a per-monitor aware form's move to a monitor of another DPI sends the
  /// window once the form has taken its new size (WM_DPICHANGED_AFTERPARENT):
  /// fires UserControl_Resize then UserControl_Paint. Set the screen's new
  /// resolution first.
  void DpiChangedAfterParent() { FireResizeAndPaint(); }
  std::int32_t Height() const;
  int BorderWidth() const;
  /// The unit that vbContainerPosition/vbContainerSize convert to (default twips).
  void SetContainerScaleMode(std::int16_t mode) { containerScaleMode_ = mode; }
  int ClickCount() const { return clicks_; }
  /// The drop-down button as a screen reader finds it, and its default action.
  std::optional<host::AccessibleButton> AccessibleButton() const;
  void DoButtonDefaultAction();

  // SimWindowHandler
  void OnMouse(std::uint32_t msg, host::Point client, int button, int shift) override;
  void OnSize() override;
  void OnMouseLeave() override;
  void OnThemeChanged() override;

 private:
  float Convert(float value, std::int16_t from, std::int16_t to, bool horizontal) const;
  std::int16_t Resolve(std::int16_t mode) const;
  void FireResizeAndPaint();

  SimDesktop& desktop_;
  const host::Screen& screen_;
  host::Hwnd hwnd_ = 0;
  host::SurfaceEvents* events_ = nullptr;
  std::int16_t appearance_ = 1;
  std::int16_t containerScaleMode_ = 1;
  int pressedButton_ = 0;  // the button of a press on the surface awaiting its release
  int clicks_ = 0;
  bool themeOpen_ = false;
  std::pair<int, int> themeBorder_{0, 0};
};

}  // namespace zelvane::sim
