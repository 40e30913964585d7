#include "hosted_control.h"

#include "com_error.h"
#include "text.h"

namespace zelvane::demo {

using win32::com_ptr;
using win32::unique_hwnd;

namespace {

// A missing registration shows as a bare host window; say so before creating one.
void RequireRegistered() {
  CLSID clsid{};
  if (FAILED(::CLSIDFromProgID(kControlProgId, &clsid)))
    throw ComError(REGDB_E_CLASSNOTREG, "looking up " + ToUtf8(kControlProgId) +
                                            " (register it with regsvr32 ZelvaneTextBox.dll, or activate its "
                                            "side-by-side manifest)");
}

unique_hwnd CreateHostWindow(HWND parent, const RECT& where) {
  RequireRegistered();
  HWND host = ::CreateWindowExW(0, L"AtlAxWin", kControlProgId, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                where.left, where.top, where.right - where.left, where.bottom - where.top,
                                parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (!host) ThrowLastError("CreateWindowEx(AtlAxWin, ZelvaneTextBox.Zelvane)");
  return unique_hwnd(host);
}

com_ptr<IDispatch> DispatchOf(const com_ptr<IUnknown>& control) {
  auto dispatch = control.query<IDispatch>();
  if (!dispatch) throw ComError(E_NOINTERFACE, "IDispatch on the control");
  return dispatch;
}

}  // namespace

HostedControl::HostedControl(const AxHostLibrary& ax, HWND parent, const RECT& where, std::wstring name,
                             EventSink::Handler handler)
    : name_(std::move(name)),
      host_(CreateHostWindow(parent, where)),
      control_(ax.ControlOf(host_.get())),
      object_(DispatchOf(control_)),
      events_(control_.get(), name_, std::move(handler)) {}

}  // namespace zelvane::demo
