#pragma once
#include <cstdint>

#include "host/win_types.h"

namespace zelvane::sim {

inline std::int32_t RectWidth(const host::Rect& r) { return r.right - r.left; }
inline std::int32_t RectHeight(const host::Rect& r) { return r.bottom - r.top; }

}  // namespace zelvane::sim
