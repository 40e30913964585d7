#pragma once
#include "host/win32/windows_api.h"

#include <unknwn.h>

#include <cstddef>
#include <utility>

namespace zelvane::win32 {

/// A counted reference to a COM object: copying adds a reference, destruction
/// releases it.
template <typename T>
class com_ptr {
 public:
  com_ptr() noexcept = default;
  com_ptr(std::nullptr_t) noexcept {}
  /// Shares `p`: adds a reference of its own.
  explicit com_ptr(T* p) noexcept : p_(p) {
    if (p_) p_->AddRef();
  }
  com_ptr(const com_ptr& other) noexcept : com_ptr(other.p_) {}
  com_ptr(com_ptr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  com_ptr& operator=(com_ptr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~com_ptr() { reset(); }

  T* get() const noexcept { return p_; }
  T* operator->() const noexcept { return p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }

  void reset() noexcept {
    if (T* old = std::exchange(p_, nullptr)) old->Release();
  }
  /// Releases what is held and hands out the slot for an out-parameter.
  T** put() noexcept {
    reset();
    return &p_;
  }
  void** put_void() noexcept { return reinterpret_cast<void**>(put()); }
  /// Takes over a reference the caller already owns (no AddRef).
  void attach(T* p) noexcept {
    reset();
    p_ = p;
  }
  /// Hands the reference to the caller, who must release it.
  [[nodiscard]] T* detach() noexcept { return std::exchange(p_, nullptr); }

  /// The object's interface U, or an empty pointer when it has none.
  template <typename U>
  com_ptr<U> query() const noexcept {
    com_ptr<U> result;
    if (p_) p_->QueryInterface(__uuidof(U), result.put_void());
    return result;
  }

 private:
  T* p_ = nullptr;
};

}  // namespace zelvane::win32
