#pragma once
#include <cstdint>
#include <string_view>

#include "host/surface_events.h"
#include "host/win_types.h"

namespace zelvane::host {

/// VB's scale-mode numbers, used by ScaleX/ScaleY and the container's "ScaleMode".
enum ScaleModeValue : std::int16_t {
  vbUser = 0,
  vbTwips = 1,
  vbPoints = 2,
  vbPixels = 3,
  vbCharacters = 4,
  vbInches = 5,
  vbMillimeters = 6,
  vbCentimeters = 7,
  vbHimetric = 8,
  vbContainerPosition = 9,
  vbContainerSize = 10,
};

/// The control's own window: it holds the constituent controls and draws the
/// drop-down button. Its inner area is measured in pixels.
class Surface {
 public:
  virtual ~Surface() = default;
  virtual void SetEvents(SurfaceEvents* events) = 0;

  virtual Hwnd hWnd() const = 0;
  /// A device context for drawing on the surface now.
  virtual Hdc hDC() = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  /// 0 flat, 1 sunken three-dimensional border; other values are refused (error 380).
  virtual std::int16_t Appearance() const = 0;
  virtual void SetAppearance(std::int16_t appearance) = 0;
  virtual std::int32_t ScaleWidth() const = 0;
  virtual std::int32_t ScaleHeight() const = 0;
  /// Outer width, border included, in pixels.
  virtual std::int32_t Width() const = 0;
  virtual std::int16_t ScaleMode() const = 0;
  /// Converts a length between scale modes, without any shift of origin.
  virtual float ScaleX(float width, std::int16_t fromScale, std::int16_t toScale) const = 0;
  virtual float ScaleY(float height, std::int16_t fromScale, std::int16_t toScale) const = 0;
  /// Erases everything drawn on the surface.
  virtual void Cls() = 0;

  // Visual styles, with the uxtheme names; the surface holds at most one theme.
  /// Opens the theme data of `classList` for the surface's window in place of any
  /// it held; false, holding none, when visual styles are off for the window.
  virtual bool OpenThemeData(std::u16string_view classList) = 0;
  virtual void CloseThemeData() = 0;
  /// Whether the open theme defines the part; false without a theme.
  virtual bool IsThemePartDefined(int iPartId) const = 0;
  /// Draws a part of the open theme over `rect`; where the part lets the background
  /// through, `backdrop` is painted first. Nothing without a theme.
  virtual void DrawThemeBackground(Hdc hdc, int iPartId, int iStateId, const Rect& rect, OleColor backdrop) = 0;
  /// The surface's border: a part of the open theme drawn over the frame, or with
  /// part 0 the classic flat or sunken edge. Redrawn when it changes.
  virtual void SetThemeBorder(int iPartId, int iStateId) = 0;
};

}  // namespace zelvane::host
