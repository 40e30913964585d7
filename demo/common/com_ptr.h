#pragma once
#include <windows.h>
#include <unknwn.h>

#include <utility>

namespace zelvane::demo {

/// Counted reference to a COM interface: copies AddRef, destruction Releases.
template <typename T>
class com_ptr {
 public:
  com_ptr() = default;
  com_ptr(T* p) : p_(p) {  // NOLINT: takes a new reference, like the raw pointer it wraps
    if (p_) p_->AddRef();
  }
  com_ptr(const com_ptr& other) : com_ptr(other.p_) {}
  com_ptr(com_ptr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  com_ptr& operator=(com_ptr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~com_ptr() { reset(); }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

  void reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }
  /// Where a callee stores a reference it hands over; the one held is released first.
  T** put() {
    reset();
    return &p_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }
  /// Takes ownership of a reference without adding one.
  void attach(T* p) {
    reset();
    p_ = p;
  }
  [[nodiscard]] T* detach() { return std::exchange(p_, nullptr); }

  /// The object's interface U, or an empty pointer when it has none.
  template <typename U>
  com_ptr<U> query() const {
    com_ptr<U> result;
    if (p_) p_->QueryInterface(__uuidof(U), result.put_void());
    return result;
  }

 private:
  T* p_ = nullptr;
};

}  // namespace zelvane::demo
