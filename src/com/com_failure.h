#pragma once
#include <windows.h>

#include <stdexcept>

namespace zelvane::com {

/// A failed platform call inside the housing, carried to the COM edge, where it
/// becomes the method's HRESULT unchanged.
class ComFailure : public std::runtime_error {
 public:
  explicit ComFailure(HRESULT hr) : std::runtime_error("COM call failed"), hr_(hr) {}
  HRESULT hresult() const noexcept { return hr_; }

 private:
  HRESULT hr_;
};

inline void ThrowIfFailed(HRESULT hr) {
  if (FAILED(hr)) throw ComFailure(hr);
}

}  // namespace zelvane::com
