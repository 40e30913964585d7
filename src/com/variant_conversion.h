#pragma once
#include <windows.h>
#include <oaidl.h>

#include "core/variant.h"

namespace zelvane::com {

/// An automation VARIANT as the portable code sees it; by-reference values are
/// read through. Fonts become Win32Font, other objects ComObject. Kinds the
/// portable code has no form for (errors, arrays, records) raise 13 "Type mismatch".
core::Variant FromVariant(const VARIANT& value);

/// Fills `out` (which must be empty or cleared) with a copy of `value`.
void ToVariant(const core::Variant& value, VARIANT* out);

}  // namespace zelvane::com
