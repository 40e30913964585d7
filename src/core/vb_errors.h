#pragma once
#include <cstdint>
#include <string>

namespace zelvane::core {

/// Run-time errors with the numbers and texts VB, VBA and VBScript hosts know.
/// Their source is the library's project name, as the VB runtime would give it.
inline constexpr char16_t kProjectName[] = u"ZelvaneTextBox";

enum class VbError : std::int32_t {
  InvalidArgument = 5,
  Overflow = 6,
  TypeMismatch = 13,
  PathFileAccess = 75,
  InvalidPropertyValue = 380,
  ObjectRequired = 424,
  NoSuchMember = 438,
};

std::u16string VbErrorText(VbError error);

[[noreturn]] void RaiseVbError(VbError error);
[[noreturn]] void RaiseVbError(VbError error, std::u16string source);

}  // namespace zelvane::core
