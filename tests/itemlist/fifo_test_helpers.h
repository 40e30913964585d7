#pragma once
#include <string>
#include <vector>

#include "../support/ascii_text_case.h"
#include "itemlist/c_fifo_buffer.h"
#include "itemlist/fifo_enumerator.h"

namespace zelvane::itemlist {

using Items = std::vector<std::u16string>;

/// Everything the enumerator yields, in its order.
inline Items Enumerated(const CFifoBuffer& list) {
  Items items;
  auto walk = list.NewEnum();
  std::u16string item;
  while (walk.Next(item)) items.push_back(item);
  return items;
}

/// Gives `list` the items `newestFirst`, position 1 first.
inline void Fill(CFifoBuffer& list, const Items& newestFirst) {
  for (auto item = newestFirst.rbegin(); item != newestFirst.rend(); ++item) list.Add(*item);
}

}  // namespace zelvane::itemlist
