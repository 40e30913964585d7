#pragma once
#include <string>
#include <vector>

#include "control_event.h"

namespace zelvane::demo {

/// Every event the demo received, in arrival order.
class EventLog {
 public:
  void Add(const ControlEvent& event) { events_.push_back(event); }
  bool Saw(const std::wstring& control, const std::wstring& name) const;
  /// Of `names`, those that `control` never raised.
  std::vector<std::wstring> Missing(const std::wstring& control, const std::vector<std::wstring>& names) const;
  size_t size() const { return events_.size(); }

 private:
  std::vector<ControlEvent> events_;
};

}  // namespace zelvane::demo
