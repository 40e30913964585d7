#include "core/ole_date.h"

#include <cmath>

namespace zelvane::core {
namespace {

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

}  // namespace

double ToOleDate(const LocalDateTime& when) {
  const std::int64_t days = DaysFromCivil(when.year, static_cast<unsigned>(when.month), static_cast<unsigned>(when.day)) -
                            DaysFromCivil(1899, 12, 30);
  const double fraction =
      (when.hour * 3600000.0 + when.minute * 60000.0 + when.second * 1000.0 + when.millisecond) / 86400000.0;
  // OLE dates before the epoch count the day backwards but the time forwards.
  return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

}  // namespace zelvane::core
