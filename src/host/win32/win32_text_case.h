#pragma once
#include "host/text_case.h"

namespace zelvane::win32 {

/// Upper case by the system's conversion for the user's locale (LCMapStringEx),
/// as VB's UCase does: one character for one, so ß stays ß.
class Win32TextCase final : public host::TextCase {
 public:
  std::u16string ToUpper(std::u16string_view text) const override;
};

}  // namespace zelvane::win32
