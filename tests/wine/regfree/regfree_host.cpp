// Creates ZelvaneTextBox.Zelvane where it is not registered, through its side-by-side
// manifest: with a manifest path, in an activation context made from that file; with
// no argument, through the application manifest beside this program. Exits 0 when the
// control was created by ProgID, answered through automation, raised events to a sink
// and was sited in an AtlAxWin window.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>

#include "com_error.h"
#include "hosted_control.h"
#include "message_pump.h"
#include "ole_session.h"
#include "text.h"
#include "window_class.h"

#include "host/win32/unique_handle.h"

namespace {

using namespace zelvane::demo;
using zelvane::win32::com_ptr;
using zelvane::win32::unique_actctx;
using zelvane::win32::unique_hwnd;

/// An activation context made from a manifest file and active for one scope.
class ActiveManifest {
 public:
  explicit ActiveManifest(const std::wstring& path) {
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.lpSource = path.c_str();
    HANDLE made = ::CreateActCtxW(&request);
    if (made == INVALID_HANDLE_VALUE) ThrowLastError("CreateActCtx from the manifest");
    context_.reset(made);
    if (!::ActivateActCtx(context_.get(), &cookie_)) ThrowLastError("ActivateActCtx");
  }
  ActiveManifest(const ActiveManifest&) = delete;
  ActiveManifest& operator=(const ActiveManifest&) = delete;
  ~ActiveManifest() { ::DeactivateActCtx(0, cookie_); }

 private:
  unique_actctx context_;
  ULONG_PTR cookie_ = 0;
};

// The test proves nothing unless the registry does not know the control.
void RequireUnregistered() {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, kControlProgId, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    ::RegCloseKey(key);
    throw ComError(E_FAIL, "checking that ZelvaneTextBox.Zelvane is not registered in this prefix");
  }
}

void Check(bool condition, const char* what) {
  if (!condition) throw ComError(E_FAIL, what);
}

void CreateAndUse() {
  CLSID clsid{};
  ThrowIfFailed(::CLSIDFromProgID(kControlProgId, &clsid), "CLSIDFromProgID through the manifest");
  com_ptr<IDispatch> created;
  ThrowIfFailed(::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, created.put_void()),
                "CoCreateInstance through the manifest");
  AutomationObject plain(created);
  plain.Call(L"AddItem", {Variant(std::wstring(L"alpha"))});
  plain.Call(L"AddItem", {Variant(std::wstring(L"beta"))});
  Check(plain.GetLong(L"ListCount") == 2, "ListCount after two AddItem calls");
  PrintLine("regfree: created by ProgID with CoCreateInstance; AddItem and ListCount answer");

  WindowClass cls(L"ZelvaneRegFreeForm", ::DefWindowProcW);
  unique_hwnd form(CreateTopLevelWindow(cls, L"regfree", WS_OVERLAPPEDWINDOW, {0, 0, 300, 120}));
  AxHostLibrary ax;
  int changes = 0;
  HostedControl sited(ax, form.get(), RECT{8, 8, 208, 32}, L"control", [&](const ControlEvent& e) {
    changes += e.name == L"Change" ? 1 : 0;
  });
  sited.object().Put(L"Text", Variant(std::wstring(L"hello")));
  PumpFor(50);
  Check(changes == 1, "a Change event from the sited control");
  Check(::IsWindow(sited.editor()) != FALSE, "the sited control's text box window");
  PrintLine("regfree: sited in AtlAxWin by ProgID; events reach the sink through the type library");
}

int Run(int argc, wchar_t** argv) {
  RequireUnregistered();
  OleSession ole;
  if (argc >= 2) {
    ActiveManifest manifest(argv[1]);
    CreateAndUse();
  } else {
    CreateAndUse();
  }
  PrintLine("regfree: ok");
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "regfree: %s\n", e.what());
    return 1;
  }
}
