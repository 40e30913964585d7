#pragma once
#include <windows.h>
#include <oleauto.h>

#include "unique_any.h"

namespace zelvane::demo {

namespace detail {
inline void DestroyWindowHandle(HWND h) { ::DestroyWindow(h); }
inline void CloseModule(HMODULE h) { ::FreeLibrary(h); }
inline void DeleteDcHandle(HDC h) { ::DeleteDC(h); }
inline void DeleteGdiObject(HGDIOBJ h) { ::DeleteObject(h); }
inline void CloseKernelHandle(HANDLE h) { ::CloseHandle(h); }
inline void ReleaseActivationContext(HANDLE h) { ::ReleaseActCtx(h); }
inline void FreeBstr(BSTR s) { ::SysFreeString(s); }
inline void DestroySafeArray(SAFEARRAY* a) { ::SafeArrayDestroy(a); }
}  // namespace detail

using unique_hwnd = unique_any<HWND, detail::DestroyWindowHandle>;
using unique_hmodule = unique_any<HMODULE, detail::CloseModule>;
using unique_hdc = unique_any<HDC, detail::DeleteDcHandle>;
using unique_hgdiobj = unique_any<HGDIOBJ, detail::DeleteGdiObject>;
using unique_handle = unique_any<HANDLE, detail::CloseKernelHandle>;
// CreateActCtx fails with INVALID_HANDLE_VALUE; store nullptr instead.
using unique_actctx = unique_any<HANDLE, detail::ReleaseActivationContext>;
using unique_bstr = unique_any<BSTR, detail::FreeBstr>;
using unique_safearray = unique_any<SAFEARRAY*, detail::DestroySafeArray>;

/// A window's device context, released to the window that lent it.
class window_dc {
 public:
  explicit window_dc(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
  window_dc(const window_dc&) = delete;
  window_dc& operator=(const window_dc&) = delete;
  ~window_dc() {
    if (dc_) ::ReleaseDC(hwnd_, dc_);
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND hwnd_;
  HDC dc_;
};

/// Selects a GDI object into a DC for one scope, then puts the previous one back.
class select_object {
 public:
  select_object(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  select_object(const select_object&) = delete;
  select_object& operator=(const select_object&) = delete;
  ~select_object() { ::SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace zelvane::demo
