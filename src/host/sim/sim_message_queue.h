#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

namespace zelvane::sim {

/// Work waiting for a message-loop pass. Each item carries the number of its
/// posting, so a pass runs exactly the items queued before it began, even when a
/// nested pass runs some of them first. Not locked; SimDesktop guards it.
class SimMessageQueue {
 public:
  void Post(std::function<void()> item);
  /// The sequence number the next posting gets: a pass runs items below it.
  std::uint64_t Mark() const { return nextSequence_; }
  /// Takes the oldest item if it was posted before `mark`.
  std::optional<std::function<void()>> TakeBefore(std::uint64_t mark);
  std::size_t Size() const { return items_.size(); }

 private:
  struct Item {
    std::uint64_t sequence;
    std::function<void()> work;
  };
  std::deque<Item> items_;
  std::uint64_t nextSequence_ = 0;
};

}  // namespace zelvane::sim
