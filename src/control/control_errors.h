#pragma once
#include <cstdint>

namespace zelvane::control {

/// The control library's application title: the source of its own errors and the
/// application name of the saved lists.
inline constexpr char16_t kAppName[] = u"Zelvane";

inline constexpr std::int32_t kInvalidListIndex = 5010;
inline constexpr std::int32_t kMaxCountNotPositive = 5030;

/// 5010 "Invalid ListIndex".
[[noreturn]] void RaiseInvalidListIndex();
/// 5030 "MaxCount must be greater than zero".
[[noreturn]] void RaiseMaxCountNotPositive();

}  // namespace zelvane::control
