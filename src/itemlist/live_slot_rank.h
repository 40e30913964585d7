#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelvane::itemlist {

/// Counts of live slots by prefix (a Fenwick tree), so the slot that holds the
/// k-th live item is found in O(log n). Slots are appended at the end only.
class LiveSlotRank {
 public:
  std::size_t Size() const { return tree_.size(); }
  void Clear() { tree_.clear(); }
  /// Amortised O(1): each node sums only the nodes it covers.
  void Append(bool live);
  void MarkDead(std::size_t slot);
  /// The 0-based slot of the live item with 1-based rank `rank` counted from
  /// slot 0 upwards; the rank must exist.
  std::size_t SlotOfRank(std::size_t rank) const;

 private:
  std::vector<std::int32_t> tree_;
};

}  // namespace zelvane::itemlist
