#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "core/automation_error.h"
#include "core/utf.h"

namespace zelvane::support {

/// Passes when `operation` raises an automation error with exactly this number,
/// source and description; says what came instead otherwise.
template <class Operation>
::testing::AssertionResult RaisesAutomationError(Operation&& operation, std::int32_t number,
                                                 std::u16string_view source, std::u16string_view description) {
  try {
    operation();
  } catch (const core::AutomationError& e) {
    if (e.number() == number && e.source() == source && e.description() == description) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "raised " << e.number() << " \"" << core::ToUtf8(e.source()) << "\" \""
                                         << core::ToUtf8(e.description()) << "\"";
  }
  return ::testing::AssertionFailure() << "raised nothing";
}

}  // namespace zelvane::support
