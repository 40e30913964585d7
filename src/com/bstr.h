#pragma once
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>

namespace zelvane::com {

/// Owns one BSTR.
class unique_bstr {
 public:
  unique_bstr() = default;
  explicit unique_bstr(std::u16string_view text);
  unique_bstr(const unique_bstr&) = delete;
  unique_bstr& operator=(const unique_bstr&) = delete;
  unique_bstr(unique_bstr&& other) noexcept;
  unique_bstr& operator=(unique_bstr&& other) noexcept;
  ~unique_bstr() { reset(); }

  void reset() noexcept;
  BSTR* put() noexcept;
  BSTR get() const noexcept { return b_; }
  [[nodiscard]] BSTR release() noexcept;
  explicit operator bool() const noexcept { return b_ != nullptr; }

 private:
  BSTR b_ = nullptr;
};

/// A null BSTR is the empty string, as automation defines it.
std::u16string FromBstr(BSTR text);
/// A new BSTR the caller owns; throws std::bad_alloc when there is no memory.
BSTR ToNewBstr(std::u16string_view text);

}  // namespace zelvane::com
