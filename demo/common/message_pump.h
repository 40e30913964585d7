#pragma once
#include <windows.h>

#include <functional>

namespace zelvane::demo {

/// Runs messages as they come for `milliseconds` of real time.
void PumpFor(unsigned milliseconds);

/// Runs messages until `done` holds or `milliseconds` have passed; says whether it held.
/// `done` is asked once nothing more is waiting.
bool PumpUntil(const std::function<bool()>& done, unsigned milliseconds);

/// As PumpUntil, but `done` is asked after every message: a clock stopped when it holds
/// leaves out what was queued behind the message that made it hold.
bool PumpOneByOneUntil(const std::function<bool()>& done, unsigned milliseconds);

/// Whether `window` has been painted since it last needed it.
bool Painted(HWND window);

}  // namespace zelvane::demo
