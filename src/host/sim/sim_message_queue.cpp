#include "host/sim/sim_message_queue.h"

#include <utility>

namespace zelvane::sim {

void SimMessageQueue::Post(std::function<void()> item) { items_.push_back({nextSequence_++, std::move(item)}); }

std::optional<std::function<void()>> SimMessageQueue::TakeBefore(std::uint64_t mark) {
  if (items_.empty() || items_.front().sequence >= mark) return std::nullopt;
  auto work = std::move(items_.front().work);
  items_.pop_front();
  return work;
}

}  // namespace zelvane::sim
