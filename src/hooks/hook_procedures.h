#pragma once
#include <cstdint>

#include "host/win_types.h"

namespace zelvane::hooks {

/// The hook procedure installed for a supported hook type; nullptr for the others.
host::HookProc HookProcedureFor(std::int32_t hookType);

}  // namespace zelvane::hooks
