#include "core/scale_units.h"

#include "core/vb_errors.h"

namespace zelvane::core {
namespace {

// Twips in one unit of the mode.
double TwipsPerUnit(std::int16_t mode, double twipsPerPixel, bool horizontal) {
  switch (mode) {
    case 1: return 1.0;
    case 2: return 20.0;
    case 3: return twipsPerPixel;
    case 4: return horizontal ? 120.0 : 240.0;
    case 5: return 1440.0;
    case 6: return 1440.0 / 25.4;
    case 7: return 1440.0 / 2.54;
    case 8: return 1440.0 / 2540.0;
    default: RaiseVbError(VbError::InvalidArgument);
  }
}

}  // namespace

double ConvertScale(double value, std::int16_t fromMode, std::int16_t toMode, double twipsPerPixel,
                    bool horizontal) {
  const double from = TwipsPerUnit(fromMode, twipsPerPixel, horizontal);
  const double to = TwipsPerUnit(toMode, twipsPerPixel, horizontal);
  if (fromMode == toMode) return value;
  return value * from / to;
}

}  // namespace zelvane::core
