#pragma once
#include "core/vb_random.h"
#include "host/random_source.h"

namespace zelvane::win32 {

/// VB's Rnd sequence, never seeded. A VB program draws from one sequence per
/// process, so that two controls placed one after the other get different keys:
/// the component keeps one instance for all its controls on a thread (owned by
/// whatever the housing keeps per thread), rather than one per control.
class Win32Random final : public host::RandomSource {
 public:
  float Rnd() override { return generator_.Next(); }

 private:
  core::VbRandom generator_;
};

}  // namespace zelvane::win32
