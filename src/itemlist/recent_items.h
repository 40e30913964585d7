#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "itemlist/live_slot_rank.h"

namespace zelvane::itemlist {

/// The storage behind CFifoBuffer: items keyed by their upper-case form, kept in
/// the order they were put in. Each put appends a slot and leaves the item's old
/// slot as a hole, so moving an item to the front costs O(1) on average; holes are
/// squeezed out once they outnumber the items. The upper-case forms also sit back
/// to back in slot order, so that a filter walking them reads one run of memory.
class RecentItems {
  using Index = std::unordered_map<std::u16string, std::size_t>;  // upper -> slot

 public:
  /// One put of an item; a hole once the item moved on or left the list.
  struct Slot {
    std::u16string text;
    Index::value_type* entry;  // null for a hole
    std::uint64_t stamp;       // order of puts, never reused, not even by Clear
    std::size_t upperAt;       // where its upper-case form lies in uppers_
    std::size_t upperLength;
  };

  /// Where a walk from the newest to the oldest item stands. It survives any change
  /// of the list: it then goes on with the older items that are still there.
  struct Walk {
    std::size_t slot;      // where the item returned last was, valid while layout is current
    std::uint64_t stamp;   // of that item; items older than it come next
    std::uint64_t layout;
  };

  std::size_t Count() const { return index_.size(); }

  /// Puts the item first, replacing an item with the same upper-case form.
  void PutFirst(std::u16string text, std::u16string upper);
  /// Removes the oldest items until at most `count` are left.
  void KeepNewest(std::size_t count);
  /// Removes the item with this upper-case form, if there is one: O(1) on average.
  void Remove(const std::u16string& upper);
  /// The item with this upper-case form as it is written, or null: O(1) on average.
  const std::u16string* Find(const std::u16string& upper) const;
  /// Removes the item at 1-based `position`, which must exist.
  void RemoveAt(std::size_t position);
  void Clear();

  /// 1-based, 1 = newest; the position must exist. Reading positions in turn costs
  /// O(1) each, any other position at most O(log n).
  const std::u16string& TextAt(std::size_t position) const { return slots_[SlotAt(position)].text; }

  Walk NewestFirst() const { return {slots_.size(), nextStamp_, layout_}; }
  /// The next older item of the walk, or null at the end.
  const Slot* Older(Walk& walk) const {
    return Older(walk, [](std::u16string_view) { return true; });
  }
  /// The next older item of the walk whose upper-case form `accept` takes, or null
  /// at the end; the items passed over count as walked. Kept to locals, so that a
  /// filter's scan runs close to a plain loop over the upper-case forms.
  template <class Accept>
  const Slot* Older(Walk& walk, Accept&& accept) const {
    if (walk.layout != layout_) {
      walk.slot = SlotAfter(walk.stamp);
      walk.layout = layout_;
    }
    const Slot* const base = slots_.data();
    // The walk may already be below the oldest item, after a cut.
    for (const Slot* slot = base + walk.slot; slot > base + oldest_;) {
      --slot;
      if (slot->entry != nullptr && accept(UpperOf(*slot))) {
        walk.slot = static_cast<std::size_t>(slot - base);
        walk.stamp = slot->stamp;
        return slot;
      }
    }
    // Ended: no stamp is older than 0, so not even a squeeze can bring it back.
    walk.slot = std::min(walk.slot, oldest_);
    walk.stamp = 0;
    return nullptr;
  }

 private:
  std::size_t Holes() const { return slots_.size() - oldest_ - Count(); }
  std::u16string_view UpperOf(const Slot& slot) const { return {uppers_.data() + slot.upperAt, slot.upperLength}; }
  /// Where a walk that stood at `stamp` goes on after the slots moved: the first
  /// slot not older than it. (By value: a walk in registers stays there.)
  std::size_t SlotAfter(std::uint64_t stamp) const;
  void Kill(std::size_t slot);
  /// Makes the live `slot` a hole and forgets its item.
  void Drop(std::size_t slot);
  void SqueezeIfSparse();
  std::size_t SlotAt(std::size_t position) const {
    // Without holes the newest items sit at the end in order.
    return Holes() == 0 ? slots_.size() - position : SlotOf(position);
  }
  std::size_t SlotOf(std::size_t position) const;
  void CatchUpRank() const;

  Index index_;
  std::vector<Slot> slots_;   // oldest put first
  std::u16string uppers_;     // every slot's upper-case form, holes' too, in slot order
  std::size_t oldest_ = 0;    // every slot below it is a hole
  std::uint64_t nextStamp_ = 0;
  std::uint64_t layout_ = 0;  // bumped whenever slots move
  std::uint64_t version_ = 0; // bumped by every change

  // Rank index over slots_[0, rank_.Size()); holes made there since it was last
  // brought up to date wait in rankDeaths_, so a put never pays for it.
  mutable LiveSlotRank rank_;
  mutable std::vector<std::size_t> rankDeaths_;

  // The position read last, so reading positions in turn steps from it.
  mutable std::uint64_t cursorVersion_ = ~std::uint64_t{0};
  mutable std::size_t cursorPosition_ = 0;
  mutable std::size_t cursorSlot_ = 0;
};

}  // namespace zelvane::itemlist
