#pragma once
#include <windows.h>
#include <ocidl.h>

#include "host/property_bag.h"

namespace zelvane::com {

/// The control's property bag over the container's IPropertyBag
/// (IPersistPropertyBag::Load and Save).
class PropertyBagAdapter final : public host::PropertyBag {
 public:
  PropertyBagAdapter(IPropertyBag& bag, IErrorLog* errorLog) : bag_(bag), errorLog_(errorLog) {}

  /// A key the bag does not hold reads as the default; any other failure of
  /// the bag throws it.
  core::Variant ReadProperty(std::u16string_view name, const core::Variant& defaultValue) override;
  /// Writes every value, defaults included, so the stored form is complete;
  /// an absent object (no font) is not written.
  void WriteProperty(std::u16string_view name, const core::Variant& value,
                     const core::Variant& defaultValue) override;

 private:
  IPropertyBag& bag_;
  IErrorLog* errorLog_;
};

}  // namespace zelvane::com
