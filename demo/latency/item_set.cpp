#include "item_set.h"

#include <cwctype>

namespace zelvane::demo {

namespace {

// Word-like tails from a fixed linear congruential sequence: the same items every run.
std::wstring Tail(unsigned& seed, size_t index) {
  std::wstring tail;
  for (int i = 0; i < 6; ++i) {
    seed = seed * 1103515245u + 12345u;
    tail += static_cast<wchar_t>(L'a' + (seed >> 16) % 26);
  }
  return tail + L" " + std::to_wstring(index);
}

}  // namespace

ItemSet MakeItems(size_t count, bool all_match) {
  ItemSet set;
  unsigned seed = 20240611u;
  for (size_t i = 0; i < count; ++i) {
    auto letter = static_cast<wchar_t>(L'a' + i % 26);
    std::wstring item = all_match ? std::wstring{kPrefix, letter} : std::wstring{letter};
    set.items.push_back(item + Tail(seed, i));
  }
  set.matching = StartingWith(set, std::wstring_view(&kPrefix, 1));
  return set;
}

std::vector<std::wstring> StartingWith(const ItemSet& set, std::wstring_view start) {
  std::vector<std::wstring> found;
  for (const auto& item : set.items) {
    bool match = item.size() >= start.size();
    for (size_t i = 0; match && i < start.size(); ++i)
      match = std::towlower(item[i]) == std::towlower(start[i]);
    if (match) found.push_back(item);
  }
  return found;
}

}  // namespace zelvane::demo
