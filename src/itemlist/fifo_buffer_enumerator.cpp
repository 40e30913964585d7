#include "itemlist/fifo_buffer_enumerator.h"

namespace zelvane::itemlist {

FifoBufferEnumerator::FifoBufferEnumerator(std::shared_ptr<const RecentItems> items)
    : items_(std::move(items)), walk_(items_->NewestFirst()) {}

bool FifoBufferEnumerator::Next(std::u16string& item) {
  const RecentItems::Slot* slot = items_->Older(walk_);
  if (slot == nullptr) return false;
  item = slot->text;
  upper_ = slot->Upper();
  return true;
}

}  // namespace zelvane::itemlist
