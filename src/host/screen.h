#pragma once

namespace zelvane::host {

class Screen {
 public:
  virtual ~Screen() = default;
  virtual float TwipsPerPixelX() const = 0;
  virtual float TwipsPerPixelY() const = 0;
};

}  // namespace zelvane::host
