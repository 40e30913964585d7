#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "host/message_box.h"

namespace zelvane::sim {

/// One message box shown.
struct ShownMessage {
  std::u16string prompt;
  std::int32_t buttons = 0;
  std::u16string title;
  bool operator==(const ShownMessage&) const = default;
};

/// Logs every message box and answers as if the user pressed the given button.
class SimMessageBox final : public host::MessageBox {
 public:
  std::int32_t MsgBox(std::u16string_view prompt, std::int32_t buttons, std::u16string_view title) override;
  const std::vector<ShownMessage>& Log() const { return log_; }
  /// The answer of the following message boxes (default 1, OK).
  void SetAnswer(std::int32_t button) { answer_ = button; }

 private:
  std::vector<ShownMessage> log_;
  std::int32_t answer_ = 1;
};

}  // namespace zelvane::sim
