#include "itemlist/recent_items.h"

#include <algorithm>
#include <tuple>

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
  const std::size_t upperAt = uppers_.size();
  const std::size_t upperLength = upper.size();
  uppers_.append(upper);
  Index::iterator entry;
  bool added = false;
  try {
    std::tie(entry, added) = index_.try_emplace(std::move(upper), slots_.size());
  } catch (...) {
    uppers_.resize(upperAt);
    throw;
  }
  if (!added) {
    Kill(entry->second);
    entry->second = slots_.size();
  }
  slots_.push_back(Slot{std::move(text), &*entry, nextStamp_++, upperAt, upperLength});
  ++version_;
  SqueezeIfSparse();
}

void RecentItems::KeepNewest(std::size_t count) {
  if (Count() <= count) return;
  while (Count() > count) {
    while (slots_[oldest_].entry == nullptr) ++oldest_;
    Drop(oldest_);
    ++oldest_;
  }
  ++version_;
  SqueezeIfSparse();
}

void RecentItems::Remove(const std::u16string& upper) {
  const auto entry = index_.find(upper);
  if (entry == index_.end()) return;
  Drop(entry->second);
  ++version_;
  SqueezeIfSparse();
}

const std::u16string* RecentItems::Find(const std::u16string& upper) const {
  const auto entry = index_.find(upper);
  return entry == index_.end() ? nullptr : &slots_[entry->second].text;
}

void RecentItems::RemoveAt(std::size_t position) {
  Drop(SlotAt(position));
  ++version_;
  SqueezeIfSparse();
}

void RecentItems::Drop(std::size_t slot) {
  // Found before the slot lets go of it: the key lives in the entry being erased.
  const auto entry = index_.find(slots_[slot].entry->first);
  Kill(slot);
  index_.erase(entry);
}

void RecentItems::Clear() {
  index_.clear();
  slots_.clear();
  std::u16string().swap(uppers_);
  oldest_ = 0;
  ++layout_;
  ++version_;
  rank_.Clear();
  rankDeaths_.clear();
}

std::size_t RecentItems::SlotAfter(std::uint64_t stamp) const {
  const auto next = std::lower_bound(slots_.begin(), slots_.end(), stamp,
                                     [](const Slot& slot, std::uint64_t at) { return slot.stamp < at; });
  return static_cast<std::size_t>(next - slots_.begin());
}

void RecentItems::Kill(std::size_t slot) {
  slots_[slot].entry = nullptr;
  std::u16string().swap(slots_[slot].text);
  if (slot < rank_.Size()) rankDeaths_.push_back(slot);
}

void RecentItems::SqueezeIfSparse() {
  if (slots_.size() - Count() <= Count() + kSlackSlots) return;
  // Live slots and their upper-case forms only ever move down, so both close up
  // in place without allocating.
  std::size_t to = 0;
  std::size_t upperTo = 0;
  for (std::size_t from = oldest_; from < slots_.size(); ++from) {
    if (slots_[from].entry == nullptr) continue;
    const std::u16string_view upper = UpperOf(slots_[from]);
    std::copy(upper.begin(), upper.end(), uppers_.begin() + static_cast<std::ptrdiff_t>(upperTo));
    if (to != from) slots_[to] = std::move(slots_[from]);
    slots_[to].entry->second = to;
    slots_[to].upperAt = upperTo;
    upperTo += upper.size();
    ++to;
  }
  slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(to), slots_.end());
  uppers_.resize(upperTo);
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
