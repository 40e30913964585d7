#include "com_error.h"

#include <cstdio>

namespace zelvane::demo {

namespace {
std::string Describe(HRESULT hr, const std::string& what) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
  return what + " failed (" + code + ")";
}
}  // namespace

ComError::ComError(HRESULT hr, const std::string& what) : std::runtime_error(Describe(hr, what)), hr_(hr) {}

void ThrowIfFailed(HRESULT hr, const char* what) {
  if (FAILED(hr)) throw ComError(hr, what);
}

void ThrowLastError(const char* what) { throw ComError(HRESULT_FROM_WIN32(::GetLastError()), what); }

}  // namespace zelvane::demo
