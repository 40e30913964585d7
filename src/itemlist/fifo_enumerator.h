#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "itemlist/recent_items.h"

namespace zelvane::itemlist {

/// Walks a CFifoBuffer most recent first. It shares the items with the list, so it
/// stays valid whatever happens to the list. When the list changes under it, it
/// goes on with the items older than the one it stepped to last that are still in
/// the list: items added or moved to the front meanwhile are not visited, items cut
/// off the end are not either, and after Clear it ends.
class FifoEnumerator {
 public:
  explicit FifoEnumerator(std::shared_ptr<const RecentItems> items)
      : items_(std::move(items)), walk_(items_->NewestFirst()) {}

  /// Steps to the next item; false at the end.
  bool MoveNext() {
    current_ = items_->Older(walk_);
    return current_ != nullptr;
  }
  /// The item stepped to; only after MoveNext returned true. It looks into the
  /// list itself and holds until the list next changes.
  std::u16string_view Current() const { return current_->text; }

  /// Hands `visit` each further item whose upper-case form (the one the list keeps,
  /// so nothing is converted again) `accept` takes, until `visit` returns false or
  /// the items end. `visit` may change the list; the walk then goes on as MoveNext's.
  template <class Accept, class Visit>
  void VisitWhere(Accept&& accept, Visit&& visit) {
    // Walking a local keeps the place in registers from one item to the next.
    RecentItems::Walk walk = walk_;
    const RecentItems& items = *items_;
    const RecentItems::Slot* slot = nullptr;
    while ((slot = items.Older(walk, accept)) != nullptr && visit(std::u16string_view(slot->text))) {
    }
    walk_ = walk;
    current_ = slot;
  }

  /// Steps on and copies the item out; false at the end, leaving `item` alone.
  bool Next(std::u16string& item) {
    if (!MoveNext()) return false;
    item.assign(Current());
    return true;
  }

 private:
  std::shared_ptr<const RecentItems> items_;
  RecentItems::Walk walk_;
  const RecentItems::Slot* current_ = nullptr;
};

}  // namespace zelvane::itemlist
