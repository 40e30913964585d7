#include "event_log.h"

#include <algorithm>

namespace zelvane::demo {

bool EventLog::Saw(const std::wstring& control, const std::wstring& name) const {
  return std::any_of(events_.begin(), events_.end(),
                     [&](const ControlEvent& e) { return e.control == control && e.name == name; });
}

std::vector<std::wstring> EventLog::Missing(const std::wstring& control,
                                            const std::vector<std::wstring>& names) const {
  std::vector<std::wstring> missing;
  for (const auto& name : names)
    if (!Saw(control, name)) missing.push_back(name);
  return missing;
}

}  // namespace zelvane::demo
