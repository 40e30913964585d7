#pragma once
#include <string_view>

#include "core/variant.h"

namespace zelvane::host {

/// The container's store of design-time properties. An absent key reads as the
/// default; a value equal to its default need not be written.
class PropertyBag {
 public:
  virtual ~PropertyBag() = default;
  virtual core::Variant ReadProperty(std::u16string_view name, const core::Variant& defaultValue) = 0;
  virtual void WriteProperty(std::u16string_view name, const core::Variant& value,
                             const core::Variant& defaultValue) = 0;
};

}  // namespace zelvane::host
