#include "itemlist/live_slot_rank.h"

#include <bit>

namespace zelvane::itemlist {
namespace {

std::size_t LowBit(std::size_t i) { return i & (~i + 1); }

}  // namespace

void LiveSlotRank::Append(bool live) {
  tree_.push_back(live ? 1 : 0);
  const std::size_t node = tree_.size();  // 1-based
  const std::size_t first = node - LowBit(node);
  for (std::size_t child = node - 1; child > first; child -= LowBit(child)) tree_[node - 1] += tree_[child - 1];
}

void LiveSlotRank::MarkDead(std::size_t slot) {
  for (std::size_t node = slot + 1; node <= tree_.size(); node += LowBit(node)) --tree_[node - 1];
}

std::size_t LiveSlotRank::SlotOfRank(std::size_t rank) const {
  std::size_t node = 0;
  auto remaining = static_cast<std::int64_t>(rank);
  for (std::size_t step = std::bit_floor(tree_.size()); step != 0; step >>= 1) {
    const std::size_t next = node + step;
    if (next <= tree_.size() && tree_[next - 1] < remaining) {
      node = next;
      remaining -= tree_[next - 1];
    }
  }
  return node;  // the 1-based node after `node` holds the rank, i.e. 0-based slot `node`
}

}  // namespace zelvane::itemlist
