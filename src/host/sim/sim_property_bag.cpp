#include "host/sim/sim_property_bag.h"

#include <algorithm>
#include <type_traits>

namespace zelvane::sim {
namespace {

// Booleans take part as VB's -1 and 0, so True equals an Integer -1 default.
std::optional<double> NumericValue(const core::Variant& v) {
  if (const auto* b = std::get_if<bool>(&v)) return *b ? -1.0 : 0.0;
  if (const auto* i = std::get_if<std::int16_t>(&v)) return *i;
  if (const auto* l = std::get_if<std::int32_t>(&v)) return *l;
  if (const auto* d = std::get_if<double>(&v)) return *d;
  return std::nullopt;
}

}  // namespace

bool SimPropertyBag::SameValue(const core::Variant& a, const core::Variant& b) {
  const auto na = NumericValue(a);
  const auto nb = NumericValue(b);
  if (na && nb) return *na == *nb;
  return a == b;
}

std::vector<std::pair<std::u16string, core::Variant>>::iterator SimPropertyBag::FindEntry(
    std::u16string_view name) {
  return std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == name; });
}

core::Variant SimPropertyBag::ReadProperty(std::u16string_view name, const core::Variant& defaultValue) {
  log_.push_back({PropertyAccess::Kind::Read, std::u16string(name)});
  const auto it = FindEntry(name);
  return it == entries_.end() ? defaultValue : it->second;
}

void SimPropertyBag::WriteProperty(std::u16string_view name, const core::Variant& value,
                                   const core::Variant& defaultValue) {
  log_.push_back({PropertyAccess::Kind::Write, std::u16string(name)});
  if (SameValue(value, defaultValue)) {
    Remove(name);
  } else {
    Set(name, value);
  }
}

void SimPropertyBag::Set(std::u16string_view name, core::Variant value) {
  const auto it = FindEntry(name);
  if (it == entries_.end()) {
    entries_.emplace_back(std::u16string(name), std::move(value));
  } else {
    it->second = std::move(value);
  }
}

void SimPropertyBag::Remove(std::u16string_view name) {
  const auto it = FindEntry(name);
  if (it != entries_.end()) entries_.erase(it);
}

bool SimPropertyBag::Has(std::u16string_view name) const { return Value(name).has_value(); }

std::optional<core::Variant> SimPropertyBag::Value(std::u16string_view name) const {
  for (const auto& [key, value] : entries_) {
    if (key == name) return value;
  }
  return std::nullopt;
}

std::vector<std::u16string> SimPropertyBag::LoggedNames(PropertyAccess::Kind kind) const {
  std::vector<std::u16string> names;
  for (const auto& access : log_) {
    if (access.kind == kind) names.push_back(access.name);
  }
  return names;
}

}  // namespace zelvane::sim
