#pragma once
#include <string>
#include <string_view>

#include "host/text_case.h"

namespace zelvane::sim {

/// Upper-casing as core::ToUpperPortable does it.
class SimTextCase final : public host::TextCase {
 public:
  std::u16string ToUpper(std::u16string_view text) const override;
};

}  // namespace zelvane::sim
