#include "core/variant.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "core/bankers_round.h"
#include "core/vb_errors.h"

namespace zelvane::core {
namespace {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t'; }

// A numeric text as VB's conversions read it: surrounding blanks allowed,
// decimal with optional exponent, or &H hexadecimal.
bool ParseNumber(const std::u16string& text, double& out) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && IsSpace(text[b])) ++b;
  while (e > b && IsSpace(text[e - 1])) --e;
  if (b == e) return false;
  std::string ascii;
  for (std::size_t i = b; i < e; ++i) {
    if (text[i] > 0x7F) return false;
    ascii.push_back(static_cast<char>(text[i]));
  }
  if (ascii.size() > 2 && ascii[0] == '&' && (ascii[1] == 'H' || ascii[1] == 'h')) {
    // strtoull alone would also take a sign, blanks or a 0x after the &H.
    if (!std::all_of(ascii.begin() + 2, ascii.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); })) {
      return false;
    }
    char* end = nullptr;
    const unsigned long long v = std::strtoull(ascii.c_str() + 2, &end, 16);
    if (*end != '\0' || v > 0xFFFFFFFFull) return false;
    out = v <= 0x7FFF ? static_cast<double>(v)
          : v <= 0xFFFF ? static_cast<double>(static_cast<std::int16_t>(v))
                        : static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
    return true;
  }
  for (char c : ascii) {
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E')) {
      return false;
    }
  }
  char* end = nullptr;
  out = std::strtod(ascii.c_str(), &end);
  return *end == '\0' && std::isfinite(out);
}

std::u16string FormatDouble(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15G", v);
  std::u16string out;
  for (const char* p = buf; *p; ++p) out.push_back(static_cast<char16_t>(*p));
  return out;
}

std::u16string FormatInteger(std::int64_t v) {
  const std::string s = std::to_string(v);
  return {s.begin(), s.end()};
}

double ToDouble(const Variant& value) {
  return std::visit(Overloaded{
                        [](const Empty&) { return 0.0; },
                        [](const Null&) -> double { RaiseVbError(VbError::TypeMismatch); },
                        [](bool b) { return b ? -1.0 : 0.0; },
                        [](std::int16_t i) { return static_cast<double>(i); },
                        [](std::int32_t i) { return static_cast<double>(i); },
                        [](double d) { return d; },
                        [](const std::u16string& s) {
                          double d = 0;
                          if (!ParseNumber(s, d)) RaiseVbError(VbError::TypeMismatch);
                          return d;
                        },
                        [](const ObjectPtr&) -> double { RaiseVbError(VbError::TypeMismatch); },
                    },
                    value);
}

std::int64_t ToWhole(const Variant& value, std::int64_t lo, std::int64_t hi) {
  const double d = BankersRound(ToDouble(value));
  if (!(d >= static_cast<double>(lo) && d <= static_cast<double>(hi))) RaiseVbError(VbError::Overflow);
  return static_cast<std::int64_t>(d);
}

bool EqualsIgnoreAsciiCase(const std::u16string& a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char16_t x = a[i];
    char16_t y = b[i];
    if (x >= u'a' && x <= u'z') x = static_cast<char16_t>(x - 32);
    if (y >= u'a' && y <= u'z') y = static_cast<char16_t>(y - 32);
    if (x != y) return false;
  }
  return true;
}

}  // namespace

std::u16string ToString(const Variant& value) {
  return std::visit(Overloaded{
                        [](const Empty&) { return std::u16string(); },
                        [](const Null&) -> std::u16string { RaiseVbError(VbError::TypeMismatch); },
                        [](bool b) { return std::u16string(b ? u"True" : u"False"); },
                        [](std::int16_t i) { return FormatInteger(i); },
                        [](std::int32_t i) { return FormatInteger(i); },
                        [](double d) { return FormatDouble(d); },
                        [](const std::u16string& s) { return s; },
                        [](const ObjectPtr&) -> std::u16string { RaiseVbError(VbError::TypeMismatch); },
                    },
                    value);
}

bool ToBool(const Variant& value) {
  if (const auto* s = std::get_if<std::u16string>(&value)) {
    if (EqualsIgnoreAsciiCase(*s, u"True")) return true;
    if (EqualsIgnoreAsciiCase(*s, u"False")) return false;
  }
  if (const auto* b = std::get_if<bool>(&value)) return *b;
  return ToDouble(value) != 0.0;
}

std::int32_t ToLong(const Variant& value) {
  return static_cast<std::int32_t>(
      ToWhole(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int16_t ToInteger(const Variant& value) {
  return static_cast<std::int16_t>(
      ToWhole(value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

ObjectPtr ToObject(const Variant& value) {
  if (std::holds_alternative<Empty>(value)) return nullptr;
  if (const auto* o = std::get_if<ObjectPtr>(&value)) return *o;
  RaiseVbError(VbError::TypeMismatch);
}

}  // namespace zelvane::core
