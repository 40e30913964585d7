#pragma once
#include <windows.h>
#include <oaidl.h>

namespace zelvane::com {

/// Owns one VARIANT: initialised empty, cleared when it goes.
class VariantHolder {
 public:
  VariantHolder() { VariantInit(&v_); }
  VariantHolder(const VariantHolder&) = delete;
  VariantHolder& operator=(const VariantHolder&) = delete;
  ~VariantHolder() { VariantClear(&v_); }

  VARIANT* get() { return &v_; }
  const VARIANT& operator*() const { return v_; }
  /// Clears what is held and hands out the VARIANT for an out-parameter.
  VARIANT* put() {
    VariantClear(&v_);
    return &v_;
  }

 private:
  VARIANT v_;
};

}  // namespace zelvane::com
