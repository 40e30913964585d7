#pragma once
#include "host/win32/windows_api.h"

#include <oleauto.h>
#include <uxtheme.h>

#include <utility>

namespace zelvane::win32 {

/// Sole owner of one system handle, closed by `Close` when the owner goes. The
/// invalid value is the type's zero value (nullptr for every handle used here).
template <typename T, typename CloseFn, CloseFn Close>
class unique_any {
 public:
  unique_any() noexcept = default;
  explicit unique_any(T value) noexcept : value_(value) {}
  unique_any(unique_any&& other) noexcept : value_(other.release()) {}
  unique_any& operator=(unique_any&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  unique_any(const unique_any&) = delete;
  unique_any& operator=(const unique_any&) = delete;
  ~unique_any() { reset(); }

  T get() const noexcept { return value_; }
  explicit operator bool() const noexcept { return value_ != T{}; }

  void reset(T value = T{}) noexcept {
    T old = std::exchange(value_, value);
    if (old != T{}) Close(old);
  }
  /// Closes what is held and hands out the slot for a function that fills it.
  T* put() noexcept {
    reset();
    return &value_;
  }
  /// Gives up ownership without closing, for when the system has closed it already
  /// or the caller takes it over.
  [[nodiscard]] T release() noexcept { return std::exchange(value_, T{}); }

 private:
  T value_{};
};

namespace handle_close {
// GDI objects close through DeleteObject's generic HGDIOBJ parameter.
inline void DeleteBrush(HBRUSH brush) noexcept { ::DeleteObject(brush); }
inline void DeleteFont(HFONT font) noexcept { ::DeleteObject(font); }
inline void DeleteBitmap(HBITMAP bitmap) noexcept { ::DeleteObject(bitmap); }
}  // namespace handle_close

using unique_hwnd = unique_any<HWND, decltype(&::DestroyWindow), ::DestroyWindow>;
using unique_hkey = unique_any<HKEY, decltype(&::RegCloseKey), ::RegCloseKey>;
using unique_hdc = unique_any<HDC, decltype(&::DeleteDC), ::DeleteDC>;
using unique_hbrush = unique_any<HBRUSH, decltype(&handle_close::DeleteBrush), handle_close::DeleteBrush>;
using unique_hfont = unique_any<HFONT, decltype(&handle_close::DeleteFont), handle_close::DeleteFont>;
using unique_hbitmap = unique_any<HBITMAP, decltype(&handle_close::DeleteBitmap), handle_close::DeleteBitmap>;
using unique_htheme = unique_any<HTHEME, decltype(&::CloseThemeData), ::CloseThemeData>;
using unique_hmodule = unique_any<HMODULE, decltype(&::FreeLibrary), ::FreeLibrary>;
using unique_handle = unique_any<HANDLE, decltype(&::CloseHandle), ::CloseHandle>;
// CreateActCtxW fails with INVALID_HANDLE_VALUE: store nullptr instead.
using unique_actctx = unique_any<HANDLE, decltype(&::ReleaseActCtx), ::ReleaseActCtx>;
using unique_bstr = unique_any<BSTR, decltype(&::SysFreeString), ::SysFreeString>;
using unique_safearray = unique_any<SAFEARRAY*, decltype(&::SafeArrayDestroy), ::SafeArrayDestroy>;

}  // namespace zelvane::win32
