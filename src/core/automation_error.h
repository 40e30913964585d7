#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace zelvane::core {

/// The one error type of the component: what a VB host sees as Err.Number,
/// Err.Source and Err.Description. Numbers below 65536 are VB-style plain numbers;
/// larger magnitudes (negative values) are HRESULTs already.
class AutomationError : public std::runtime_error {
 public:
  AutomationError(std::int32_t number, std::u16string source, std::u16string description);

  std::int32_t number() const noexcept { return number_; }
  const std::u16string& source() const noexcept { return source_; }
  const std::u16string& description() const noexcept { return description_; }

 private:
  std::int32_t number_;
  std::u16string source_;
  std::u16string description_;
};

}  // namespace zelvane::core
