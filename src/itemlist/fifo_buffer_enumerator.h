#pragma once
#include <memory>
#include <string>

#include "itemlist/fifo_enumerator.h"
#include "itemlist/recent_items.h"

namespace zelvane::itemlist {

/// CFifoBuffer's enumerator. It shares the items with the list, so it stays valid
/// whatever happens to the list. When the list changes under it, it goes on with
/// the items older than the one it returned last that are still in the list: items
/// added or moved to the front meanwhile are not visited, items cut off the end
/// are not either, and after Clear it ends.
class FifoBufferEnumerator final : public FifoEnumerator {
 public:
  explicit FifoBufferEnumerator(std::shared_ptr<const RecentItems> items);

  bool Next(std::u16string& item) override;
  const std::u16string& CurrentUpper() const override { return upper_; }

 private:
  std::shared_ptr<const RecentItems> items_;
  RecentItems::Walk walk_;
  std::u16string upper_;  // a copy: the list may drop the item while the caller holds this
};

}  // namespace zelvane::itemlist
