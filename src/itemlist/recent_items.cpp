#include "itemlist/recent_items.h"

#include <algorithm>

namespace zelvane::itemlist {
namespace {

// Dead slots allowed beyond the number of items before they are squeezed out; the
// slack keeps small lists from squeezing on every other put.
constexpr std::size_t kSlackSlots = 64;
// A read that is not near the one before goes through the rank index instead.
constexpr std::size_t kMaxCursorSteps = 64;

}  // namespace

void RecentItems::PutFirst(std::u16string text, std::u16string upper) {
  // Grow first so that nothing can fail once the index has changed.
  if (slots_.size() == slots_.capacity()) slots_.reserve(slots_.size() * 2 + 16);
  const auto [entry, added] = index_.try_emplace(std::move(upper), slots_.size());
  if (!added) {
    Kill(entry->second);
    entry->second = slots_.size();
  }
  slots_.push_back(Slot{std::move(text), &*entry, nextStamp_++});
  ++version_;
  SqueezeIfSparse();
}

void RecentItems::KeepNewest(std::size_t count) {
  if (Count() <= count) return;
  while (Count() > count) {
    while (slots_[oldest_].entry == nullptr) ++oldest_;
    // Found before the slot lets go of it: the key lives in the entry being erased.
    const auto entry = index_.find(slots_[oldest_].Upper());
    Kill(oldest_);
    index_.erase(entry);
    ++oldest_;
  }
  ++version_;
  SqueezeIfSparse();
}

void RecentItems::Clear() {
  index_.clear();
  slots_.clear();
  oldest_ = 0;
  ++layout_;
  ++version_;
  rank_.Clear();
  rankDeaths_.clear();
}

const RecentItems::Slot* RecentItems::Older(Walk& walk) const {
  if (walk.layout != layout_) {
    const auto next = std::lower_bound(slots_.begin(), slots_.end(), walk.stamp,
                                       [](const Slot& slot, std::uint64_t stamp) { return slot.stamp < stamp; });
    walk.slot = static_cast<std::size_t>(next - slots_.begin());
    walk.layout = layout_;
  }
  while (walk.slot > oldest_) {
    const Slot& slot = slots_[--walk.slot];
    if (slot.entry != nullptr) {
      walk.stamp = slot.stamp;
      return &slot;
    }
  }
  return nullptr;
}

void RecentItems::Kill(std::size_t slot) {
  slots_[slot].entry = nullptr;
  std::u16string().swap(slots_[slot].text);
  if (slot < rank_.Size()) rankDeaths_.push_back(slot);
}

void RecentItems::SqueezeIfSparse() {
  if (slots_.size() - Count() <= Count() + kSlackSlots) return;
  std::size_t to = 0;
  for (std::size_t from = oldest_; from < slots_.size(); ++from) {
    if (slots_[from].entry == nullptr) continue;
    if (to != from) slots_[to] = std::move(slots_[from]);
    slots_[to].entry->second = to;
    ++to;
  }
  slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(to), slots_.end());
  oldest_ = 0;
  ++layout_;
  ++version_;
  rank_.Clear();
  rankDeaths_.clear();
}

std::size_t RecentItems::SlotOf(std::size_t position) const {
  if (cursorVersion_ == version_) {
    // Near the position read last, as when reading positions in turn: step there.
    // Older items, that is higher positions, sit in lower slots.
    const bool older = position > cursorPosition_;
    std::size_t left = older ? position - cursorPosition_ : cursorPosition_ - position;
    std::size_t slot = cursorSlot_;
    for (std::size_t budget = kMaxCursorSteps; left != 0 && budget != 0; --budget) {
      slot = older ? slot - 1 : slot + 1;
      if (slots_[slot].entry != nullptr) --left;
    }
    if (left == 0) {
      cursorSlot_ = slot;
      cursorPosition_ = position;
      return slot;
    }
  }
  CatchUpRank();
  cursorSlot_ = rank_.SlotOfRank(Count() - position + 1);
  cursorPosition_ = position;
  cursorVersion_ = version_;
  return cursorSlot_;
}

void RecentItems::CatchUpRank() const {
  for (const std::size_t slot : rankDeaths_) rank_.MarkDead(slot);
  rankDeaths_.clear();
  while (rank_.Size() < slots_.size()) rank_.Append(slots_[rank_.Size()].entry != nullptr);
}

}  // namespace zelvane::itemlist
