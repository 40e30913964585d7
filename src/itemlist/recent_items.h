#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "itemlist/live_slot_rank.h"

namespace zelvane::itemlist {

/// The storage behind CFifoBuffer: items keyed by their upper-case form, kept in
/// the order they were put in. Each put appends a slot and leaves the item's old
/// slot as a hole, so moving an item to the front costs O(1) on average; holes are
/// squeezed out once they outnumber the items.
class RecentItems {
  using Index = std::unordered_map<std::u16string, std::size_t>;  // upper -> slot

 public:
  /// One put of an item; a hole once the item moved on or left the list.
  struct Slot {
    std::u16string text;
    Index::value_type* entry;  // null for a hole
    std::uint64_t stamp;       // order of puts, never reused, not even by Clear

    const std::u16string& Upper() const { return entry->first; }
  };

  /// Where a walk from the newest to the oldest item stands. It survives any change
  /// of the list: it then goes on with the older items that are still there.
  struct Walk {
    std::uint64_t stamp;   // of the item returned last; items older than it come next
    std::size_t slot;      // where that item was, valid while layout is current
    std::uint64_t layout;
  };

  std::size_t Count() const { return index_.size(); }

  /// Puts the item first, replacing an item with the same upper-case form.
  void PutFirst(std::u16string text, std::u16string upper);
  /// Removes the oldest items until at most `count` are left.
  void KeepNewest(std::size_t count);
  void Clear();

  /// 1-based, 1 = newest; the position must exist. Reading positions in turn costs
  /// O(1) each, any other position at most O(log n).
  const std::u16string& TextAt(std::size_t position) const {
    // Without holes the newest items sit at the end in order.
    return slots_[Holes() == 0 ? slots_.size() - position : SlotOf(position)].text;
  }

  Walk NewestFirst() const { return {nextStamp_, slots_.size(), layout_}; }
  /// The next older item of the walk, or null at the end.
  const Slot* Older(Walk& walk) const;

 private:
  std::size_t Holes() const { return slots_.size() - oldest_ - Count(); }
  void Kill(std::size_t slot);
  void SqueezeIfSparse();
  std::size_t SlotOf(std::size_t position) const;
  void CatchUpRank() const;

  Index index_;
  std::vector<Slot> slots_;   // oldest put first
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
