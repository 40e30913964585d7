#pragma once
#include <string>

namespace zelvane::control {

/// The key of a control instance's saved list, "A-B-C": A and C are the two random
/// draws scaled into hexadecimal ranges (FFF..370F and 400..2B10), B is the OLE
/// date of the moment of placement times 10^8 in decimal.
std::u16string MakeRegKey(float r1, double oleDate, float r2);

}  // namespace zelvane::control
