#pragma once
#include <cstdint>

namespace zelvane::core {

/// Converts a length between VB scale modes: 1 twips, 2 points, 3 pixels,
/// 4 characters (120 twips wide, 240 high), 5 inches, 6 millimetres,
/// 7 centimetres, 8 himetric. `horizontal` picks the character width or height.
/// Any other mode raises VB error 5.
double ConvertScale(double value, std::int16_t fromMode, std::int16_t toMode, double twipsPerPixel,
                    bool horizontal);

}  // namespace zelvane::core
