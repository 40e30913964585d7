#pragma once
#include <cstdint>
#include <string_view>

namespace zelvane::host {

/// The container (form) that holds the control.
class Container {
 public:
  virtual ~Container() = default;
  /// Ambient UserMode, read afresh at every call: false at design time.
  virtual bool AmbientUserMode() = 0;
  /// Property-change notice by property name.
  virtual void PropertyChanged(std::u16string_view propertyName) = 0;
  /// The container's "ScaleMode". A container that has none raises its error
  /// (438) unless it offers another way to convert, which it names as
  /// vbContainerSize for the surface's ScaleX/ScaleY.
  virtual std::int16_t ParentScaleMode() = 0;
  /// The keys the control claims for itself changed (Escape while its drop-down is
  /// open): the container asks for them again.
  virtual void ControlInfoChanged() = 0;
};

}  // namespace zelvane::host
