#pragma once
#include <windows.h>
#include <oleauto.h>

#include <string>

namespace zelvane::demo {

/// An owned VARIANT, cleared when it goes.
class Variant {
 public:
  Variant() { ::VariantInit(&v_); }
  explicit Variant(const std::wstring& text);
  explicit Variant(long value);
  explicit Variant(bool value);
  /// Takes the array; it is destroyed with the variant.
  explicit Variant(SAFEARRAY* strings);
  Variant(const Variant& other);
  Variant& operator=(const Variant&) = delete;
  ~Variant() { ::VariantClear(&v_); }

  VARIANT* get() { return &v_; }
  const VARIANT* get() const { return &v_; }
  /// The address to receive a result; the value held is cleared first.
  VARIANT* put() {
    ::VariantClear(&v_);
    return &v_;
  }

  std::wstring AsString() const;
  long AsLong() const;
  bool AsBool() const;

 private:
  VARIANT v_;
};

}  // namespace zelvane::demo
