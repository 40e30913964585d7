#pragma once
#include <utility>

namespace zelvane::demo {

/// Move-only owner of a handle that one function closes; `Invalid` is the empty value.
template <typename T, auto Close, T Invalid = T{}>
class unique_any {
 public:
  unique_any() = default;
  explicit unique_any(T value) : value_(value) {}
  unique_any(const unique_any&) = delete;
  unique_any& operator=(const unique_any&) = delete;
  unique_any(unique_any&& other) noexcept : value_(std::exchange(other.value_, Invalid)) {}
  unique_any& operator=(unique_any&& other) noexcept {
    if (this != &other) reset(std::exchange(other.value_, Invalid));
    return *this;
  }
  ~unique_any() { reset(); }

  T get() const { return value_; }
  explicit operator bool() const { return value_ != Invalid; }

  void reset(T value = Invalid) {
    if (value_ != Invalid) Close(value_);
    value_ = value;
  }
  /// The address to receive a new handle; the one held is closed first.
  T* put() {
    reset();
    return &value_;
  }
  [[nodiscard]] T release() { return std::exchange(value_, Invalid); }

 private:
  T value_ = Invalid;
};

}  // namespace zelvane::demo
