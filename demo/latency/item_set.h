#pragma once
#include <string>
#include <vector>

namespace zelvane::demo {

/// A list of distinct items and those of them that begin with `kPrefix`, in order.
struct ItemSet {
  std::vector<std::wstring> items;
  std::vector<std::wstring> matching;
};

/// The key typed in every measurement: items are made to begin with it as needed.
inline constexpr wchar_t kPrefix = L'c';

/// `count` items whose first letters run evenly through a to z, so 1/26 of them
/// begin with the prefix; or, with `all_match`, items that all begin with it and whose
/// second letters run through a to z.
ItemSet MakeItems(size_t count, bool all_match);

/// The items of `set` that begin with `start`, ignoring case, in the set's order.
std::vector<std::wstring> StartingWith(const ItemSet& set, std::wstring_view start);

}  // namespace zelvane::demo
