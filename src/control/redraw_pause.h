#pragma once
#include "host/list_box.h"

namespace zelvane::control {

/// Turns a list box's painting off while rows are appended and on again however
/// the fill ends: painting after every row makes long fills crawl on Windows.
class RedrawPause {
 public:
  explicit RedrawPause(host::ListBox& list) : list_(list) { list_.SetRedraw(false); }
  ~RedrawPause() { list_.SetRedraw(true); }
  RedrawPause(const RedrawPause&) = delete;
  RedrawPause& operator=(const RedrawPause&) = delete;

 private:
  host::ListBox& list_;
};

}  // namespace zelvane::control
