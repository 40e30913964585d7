#include "itemlist/list_changes.h"

#include <cstdint>
#include <limits>

namespace zelvane::itemlist {

ListChanges::ListChanges(const host::TextCase& textCase) : textCase_(textCase), added_(textCase) {
  // An add that falls off here has 32767 newer ones above it: MaxCount cuts it anyway.
  added_.SetMaxCount(std::numeric_limits<std::int16_t>::max());
}

void ListChanges::Added(const std::u16string& item) {
  if (replaced_ || item.empty()) return;
  added_.Add(item);
  removed_.erase(textCase_.ToUpper(item));
}

void ListChanges::Removed(const std::u16string& item) {
  if (replaced_) return;
  added_.Remove(item);
  removed_.insert_or_assign(textCase_.ToUpper(item), item);
}

void ListChanges::Replaced() {
  replaced_ = true;
  added_.Clear();
  removed_.clear();
}

void ListChanges::ApplyTo(CFifoBuffer& list) const {
  // Removed and added entries are apart, so their order among each other is free.
  for (const auto& [upper, item] : removed_) list.Remove(item);
  for (std::int32_t position = added_.Count(); position >= 1; --position) list.Add(added_.Item(position));
}

}  // namespace zelvane::itemlist
