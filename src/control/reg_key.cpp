#include "control/reg_key.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "core/bankers_round.h"

namespace zelvane::control {
namespace {

std::u16string Ascii(const char* text) {
  std::u16string out;
  for (const char* p = text; *p != '\0'; ++p) out.push_back(static_cast<char16_t>(*p));
  return out;
}

// The draw is scaled in single precision, each operation rounded to single as the
// original arithmetic did, so the same draw always yields the same digits.
std::u16string HexPart(float r, float offset) {
  const float scaled = r * 10000.0f;
  const float shifted = scaled + offset;
  char buf[16];
  std::snprintf(buf, sizeof buf, "%lX", static_cast<long>(core::BankersRound(shifted)));
  return Ascii(buf);
}

std::u16string DatePart(double oleDate) {
  const double stamp = core::BankersRound(std::fabs(oleDate * 100000000.0));
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.0f", stamp);
  return Ascii(buf);
}

}  // namespace

std::u16string MakeRegKey(float r1, double oleDate, float r2) {
  return HexPart(r1, 4095.0f) + u"-" + DatePart(oleDate) + u"-" + HexPart(r2, 1024.0f);
}

}  // namespace zelvane::control
