#pragma once
#include <cstdint>

namespace zelvane::core {

/// A local calendar date and time, as the platform clock reports it.
struct LocalDateTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

/// Days since 30 December 1899 with the time of day as the fraction (OLE Automation date).
/// Dates before the epoch carry the time as a positive fraction of a negative day number.
double ToOleDate(const LocalDateTime& when);

}  // namespace zelvane::core
