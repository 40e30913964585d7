#include "com/hresult_from_caught.h"

#include <windows.h>
#include <oleauto.h>

#include <exception>
#include <new>

#include "com/com_failure.h"
#include "host/win32/com_ptr.h"
#include "core/automation_error.h"
#include "zelvane_text_box.h"

namespace zelvane::com {

using win32::com_ptr;
namespace {

void SetThreadErrorInfo(const core::AutomationError& error) {
  com_ptr<ICreateErrorInfo> create;
  if (FAILED(CreateErrorInfo(create.put()))) return;
  create->SetGUID(IID__Zelvane4);
  create->SetSource(const_cast<LPOLESTR>(reinterpret_cast<const OLECHAR*>(error.source().c_str())));
  create->SetDescription(const_cast<LPOLESTR>(reinterpret_cast<const OLECHAR*>(error.description().c_str())));
  if (auto info = create.query<IErrorInfo>()) SetErrorInfo(0, info.get());
}

}  // namespace

HRESULT HresultFromErrorNumber(std::int32_t number) noexcept {
  if (number >= 1 && number <= 0xFFFF) return static_cast<HRESULT>(0x800A0000u + static_cast<std::uint32_t>(number));
  const auto hr = static_cast<HRESULT>(number);
  return FAILED(hr) ? hr : E_FAIL;
}

HRESULT hresult_from_caught() noexcept {
  // Only automation errors carry texts; an older error's texts must not be
  // mistaken for this failure's.
  SetErrorInfo(0, nullptr);
  try {
    throw;
  } catch (const core::AutomationError& error) {
    try {
      SetThreadErrorInfo(error);
    } catch (...) {
      // The number still reaches the caller without its texts.
    }
    return HresultFromErrorNumber(error.number());
  } catch (const ComFailure& failure) {
    return failure.hresult();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace zelvane::com
