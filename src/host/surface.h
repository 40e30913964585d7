#pragma once
#include <cstdint>

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
};

}  // namespace zelvane::host
