#include "core/automation_error.h"

#include "core/utf.h"

namespace zelvane::core {

AutomationError::AutomationError(std::int32_t number, std::u16string source, std::u16string description)
    : std::runtime_error(ToUtf8(description)),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}

}  // namespace zelvane::core
