#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <variant>

namespace zelvane::core {

/// Base of every object a Variant can carry (fonts, collections): the portable
/// code needs only identity and lifetime from them.
class ObjectBase {
 public:
  virtual ~ObjectBase() = default;
};
using ObjectPtr = std::shared_ptr<ObjectBase>;

struct Empty {
  bool operator==(const Empty&) const = default;
};
struct Null {
  bool operator==(const Null&) const = default;
};

/// A tagged value with the automation kinds the control exchanges with its host:
/// property-bag values, array and collection elements, `List` results.
using Variant = std::variant<Empty, Null, bool, std::int16_t, std::int32_t, double, std::u16string, ObjectPtr>;

/// VB's conversions. Each raises the VB error a host would see (13 "Type mismatch",
/// 6 "Overflow") when the value has no such form.
std::u16string ToString(const Variant& value);
bool ToBool(const Variant& value);
std::int32_t ToLong(const Variant& value);
std::int16_t ToInteger(const Variant& value);
/// Null for Empty; a type mismatch for anything that is not an object.
ObjectPtr ToObject(const Variant& value);

}  // namespace zelvane::core
