#pragma once
#include <cstdint>
#include <string_view>

namespace zelvane::host {

inline constexpr std::int32_t vbOKOnly = 0;
inline constexpr std::int32_t vbInformation = 64;

/// A modal message box; returns the pressed button (1 = OK).
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual std::int32_t MsgBox(std::u16string_view prompt, std::int32_t buttons, std::u16string_view title) = 0;
};

}  // namespace zelvane::host
