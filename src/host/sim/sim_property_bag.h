#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/variant.h"
#include "host/property_bag.h"

namespace zelvane::sim {

/// One ReadProperty or WriteProperty call.
struct PropertyAccess {
  enum class Kind { Read, Write };
  Kind kind = Kind::Read;
  std::u16string name;
  bool operator==(const PropertyAccess&) const = default;
};

/// An in-memory property bag with ordered entries. Every read and write is
/// logged; a written value equal to its default (VB comparison: numbers of any
/// kind by value, objects by identity) is logged but not stored, and removes an
/// entry stored before. Names compare exactly.
class SimPropertyBag final : public host::PropertyBag {
 public:
  core::Variant ReadProperty(std::u16string_view name, const core::Variant& defaultValue) override;
  void WriteProperty(std::u16string_view name, const core::Variant& value,
                     const core::Variant& defaultValue) override;

  /// Puts a raw value of any kind under the name (test setup); not logged.
  void Set(std::u16string_view name, core::Variant value);
  void Remove(std::u16string_view name);
  bool Has(std::u16string_view name) const;
  std::optional<core::Variant> Value(std::u16string_view name) const;
  const std::vector<std::pair<std::u16string, core::Variant>>& Entries() const { return entries_; }
  const std::vector<PropertyAccess>& Log() const { return log_; }
  /// Names of the logged calls of one kind, in call order.
  std::vector<std::u16string> LoggedNames(PropertyAccess::Kind kind) const;
  void ClearLog() { log_.clear(); }

  /// VB's comparison of a value with its default.
  static bool SameValue(const core::Variant& a, const core::Variant& b);

 private:
  std::vector<std::pair<std::u16string, core::Variant>>::iterator FindEntry(std::u16string_view name);

  std::vector<std::pair<std::u16string, core::Variant>> entries_;
  std::vector<PropertyAccess> log_;
};

}  // namespace zelvane::sim
