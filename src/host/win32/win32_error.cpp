#include "host/win32/win32_error.h"

#include "core/automation_error.h"
#include "core/vb_errors.h"

#include "host/win32/windows_api.h"

#include <string>

namespace zelvane::win32 {
namespace {

std::u16string SystemMessage(DWORD code) {
  wchar_t buffer[512];
  DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                  buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
  while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n' || buffer[length - 1] == L' '))
    --length;
  return std::u16string(reinterpret_cast<const char16_t*>(buffer), length);
}

}  // namespace

void RaiseLastError(std::u16string_view failedCall) {
  const DWORD code = ::GetLastError();
  // A call that failed without setting an error still has to report something.
  const HRESULT hr = code ? HRESULT_FROM_WIN32(code) : E_FAIL;
  std::u16string description(failedCall);
  description += u": ";
  description += code ? SystemMessage(code) : u"failed";
  throw core::AutomationError(static_cast<std::int32_t>(hr), core::kProjectName, std::move(description));
}

}  // namespace zelvane::win32
