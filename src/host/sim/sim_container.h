#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/container.h"

namespace zelvane::sim {

/// A form holding the control: ambient UserMode, the form's ScaleMode (or none,
/// like a container without that property) and a log of property-change notices.
class SimContainer final : public host::Container {
 public:
  bool AmbientUserMode() override;
  void PropertyChanged(std::u16string_view propertyName) override;
  /// Raises VB error 438 when the container has no ScaleMode.
  std::int16_t ParentScaleMode() override;
  void ControlInfoChanged() override { ++controlInfoChanges_; }

  void SetUserMode(bool userMode) { userMode_ = userMode; }
  /// The form's ScaleMode (default vbTwips).
  void SetScaleMode(std::int16_t mode) { scaleMode_ = mode; }
  /// Makes the container one without a ScaleMode property.
  void SetNoScaleMode() { scaleMode_.reset(); }
  /// The property names notified, in order.
  const std::vector<std::u16string>& PropertyChanges() const { return changes_; }
  void ClearPropertyChanges() { changes_.clear(); }
  int UserModeReads() const { return userModeReads_; }
  int ControlInfoChanges() const { return controlInfoChanges_; }

 private:
  bool userMode_ = true;
  std::optional<std::int16_t> scaleMode_ = 1;
  std::vector<std::u16string> changes_;
  int userModeReads_ = 0;
  int controlInfoChanges_ = 0;
};

}  // namespace zelvane::sim
