#pragma once
#include <windows.h>

#include <stdexcept>
#include <string>

namespace zelvane::demo {

/// A failed COM or Win32 call, with the HRESULT and the text to show a person.
class ComError : public std::runtime_error {
 public:
  ComError(HRESULT hr, const std::string& what);
  HRESULT code() const { return hr_; }

 private:
  HRESULT hr_;
};

/// Throws ComError naming `what` when `hr` is a failure.
void ThrowIfFailed(HRESULT hr, const char* what);

/// Throws ComError naming `what` with the thread's last Win32 error.
[[noreturn]] void ThrowLastError(const char* what);

}  // namespace zelvane::demo
