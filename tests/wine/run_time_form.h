#pragma once
#include <cstdint>
#include <string_view>

#include "host/container.h"
#include "host/surface.h"

namespace zelvane::win32 {

/// A form at run time that converts nothing: its scale is pixels.
class RunTimeForm final : public host::Container {
 public:
  bool AmbientUserMode() override { return true; }
  void PropertyChanged(std::u16string_view) override {}
  std::int16_t ParentScaleMode() override { return host::vbPixels; }
  void ControlInfoChanged() override {}
};

}  // namespace zelvane::win32
