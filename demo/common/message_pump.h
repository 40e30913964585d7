#pragma once
#include <functional>

namespace zelvane::demo {

/// Runs every message that is waiting, then returns.
void PumpPending();

/// Runs messages as they come for `milliseconds` of real time.
void PumpFor(unsigned milliseconds);

/// Runs messages until `done` holds or `milliseconds` have passed; says whether it held.
bool PumpUntil(const std::function<bool()>& done, unsigned milliseconds);

}  // namespace zelvane::demo
