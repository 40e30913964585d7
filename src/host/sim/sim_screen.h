#pragma once
#include "host/screen.h"

namespace zelvane::sim {

/// The screen's resolution in twips per pixel (15 for 96 dpi).
class SimScreen final : public host::Screen {
 public:
  SimScreen() = default;
  SimScreen(float twipsPerPixelX, float twipsPerPixelY) : x_(twipsPerPixelX), y_(twipsPerPixelY) {}
  float TwipsPerPixelX() const override { return x_; }
  float TwipsPerPixelY() const override { return y_; }
  void Set(float twipsPerPixelX, float twipsPerPixelY) { x_ = twipsPerPixelX; y_ = twipsPerPixelY; }

 private:
  float x_ = 15.0f;
  float y_ = 15.0f;
};

}  // namespace zelvane::sim
