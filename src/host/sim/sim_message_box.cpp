#include "host/sim/sim_message_box.h"

namespace zelvane::sim {

std::int32_t SimMessageBox::MsgBox(std::u16string_view prompt, std::int32_t buttons, std::u16string_view title) {
  log_.push_back({std::u16string(prompt), buttons, std::u16string(title)});
  return answer_;
}

}  // namespace zelvane::sim
