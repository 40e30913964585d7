#include "com/property_bag_adapter.h"

#include <string>

#include "com/com_failure.h"
#include "com/variant_conversion.h"
#include "com/variant_holder.h"

namespace zelvane::com {
namespace {

std::wstring WideName(std::u16string_view name) { return {name.begin(), name.end()}; }

}  // namespace

core::Variant PropertyBagAdapter::ReadProperty(std::u16string_view name, const core::Variant& defaultValue) {
  VariantHolder value;
  const HRESULT hr = bag_.Read(WideName(name).c_str(), value.get(), errorLog_);
  // E_INVALIDARG is how a bag says it holds no such key.
  if (hr == E_INVALIDARG) return defaultValue;
  ThrowIfFailed(hr);
  return FromVariant(*value);
}

void PropertyBagAdapter::WriteProperty(std::u16string_view name, const core::Variant& value,
                                       const core::Variant&) {
  if (const auto* object = std::get_if<core::ObjectPtr>(&value); object && !*object) return;
  VariantHolder converted;
  ToVariant(value, converted.get());
  ThrowIfFailed(bag_.Write(WideName(name).c_str(), converted.get()));
}

}  // namespace zelvane::com
