#pragma once
#include <string>
#include <vector>

namespace zelvane::demo {

/// Cities a person entered before, most recent first: the first control's saved list.
std::vector<std::wstring> RecentCities();

/// Search terms a person entered before, most recent first: the second control's list.
std::vector<std::wstring> EarlierSearches();

/// Cities in Hebrew, most recent first: the first control's list when it reads right to left.
std::vector<std::wstring> HebrewCities();

/// The items as the saved-list string: most recent last, since loading adds each line
/// at the front. Lines are joined by carriage return and line feed.
std::wstring AsSavedList(const std::vector<std::wstring>& most_recent_first);

}  // namespace zelvane::demo
