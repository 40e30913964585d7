#pragma once
#include "host/screen.h"

namespace zelvane::win32 {

/// The screen's twips per pixel from its logical resolution: 1440 / dots per inch.
class Win32Screen final : public host::Screen {
 public:
  float TwipsPerPixelX() const override;
  float TwipsPerPixelY() const override;
};

}  // namespace zelvane::win32
