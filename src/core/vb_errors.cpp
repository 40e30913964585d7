#include "core/vb_errors.h"

#include "core/automation_error.h"

namespace zelvane::core {

std::u16string VbErrorText(VbError error) {
  switch (error) {
    case VbError::InvalidArgument: return u"Invalid procedure call or argument";
    case VbError::Overflow: return u"Overflow";
    case VbError::TypeMismatch: return u"Type mismatch";
    case VbError::PathFileAccess: return u"Path/File access error";
    case VbError::InvalidPropertyValue: return u"Invalid property value";
    case VbError::ObjectRequired: return u"Object required";
    case VbError::NoSuchMember: return u"Object doesn't support this property or method";
  }
  return u"Application-defined or object-defined error";
}

void RaiseVbError(VbError error) { RaiseVbError(error, kProjectName); }

void RaiseVbError(VbError error, std::u16string source) {
  throw AutomationError(static_cast<std::int32_t>(error), std::move(source), VbErrorText(error));
}

}  // namespace zelvane::core
