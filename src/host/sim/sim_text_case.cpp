#include "host/sim/sim_text_case.h"

#include "core/upper_case.h"

namespace zelvane::sim {

std::u16string SimTextCase::ToUpper(std::u16string_view text) const { return core::ToUpperPortable(text); }

}  // namespace zelvane::sim
