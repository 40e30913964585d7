#pragma once
#include <cstdint>
#include <string>

#include "host/win_types.h"

// The parts of the hook service that only the service itself (and its tests) use.
namespace zelvane::hooks::mWindowsHook {

/// Calls the thread's clients of the type in slot order; 1 when one consumed the
/// event. A client's exception passes through and ends the dispatch there.
std::int32_t DispatchHook(std::int32_t hookType, std::int32_t nCode, host::WParam wParam, host::LParam lParam);
/// A trace sink for debugging: the text goes nowhere but the thread's last-trace slot.
void DebugTrace(std::u16string text);
/// The latest text handed to DebugTrace on this thread.
const std::u16string& LastTraceText();

}  // namespace zelvane::hooks::mWindowsHook
