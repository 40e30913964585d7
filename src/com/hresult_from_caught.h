#pragma once
#include <windows.h>

#include <cstdint>

namespace zelvane::com {

/// The HRESULT a COM client sees for an automation error number: plain numbers
/// 1..65535 go into the automation facility (0x800A0000 + number), so Err.Number
/// shows the plain number in VB, VBA and VBScript; other numbers are HRESULTs.
HRESULT HresultFromErrorNumber(std::int32_t number) noexcept;

/// Call only inside a catch block: maps the exception being handled to an
/// HRESULT and, for automation errors, leaves the error's source and description
/// for the caller as the thread's IErrorInfo. Never throws.
HRESULT hresult_from_caught() noexcept;

}  // namespace zelvane::com
