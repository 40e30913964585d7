#pragma once
#include <string>
#include <vector>

namespace zelvane::demo {

/// A list of distinct items and the number of them that begin with `kPrefix`.
struct ItemSet {
  std::vector<std::wstring> items;
  size_t matching = 0;
};

/// The key typed in every measurement: items are made to begin with it as needed.
inline constexpr wchar_t kPrefix = L'c';

/// `count` items whose first letters run evenly through a to z, so 1/26 of them
/// begin with the prefix; or, with `all_match`, items that all begin with it and whose
/// second letters run through a to z.
ItemSet MakeItems(size_t count, bool all_match);

/// How many items of `set` begin with the two letters given, ignoring case.
size_t CountStartingWith(const ItemSet& set, std::wstring_view start);

}  // namespace zelvane::demo
