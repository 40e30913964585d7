#pragma once
#include <string>
#include <unordered_map>

#include "host/text_case.h"
#include "itemlist/c_fifo_buffer.h"

namespace zelvane::itemlist {

/// What a control did to its list since it loaded it, so that its save can do the
/// same to the list another instance saved meanwhile. Only the last change of each
/// entry counts: replaying those in the order they came gives the same list as
/// replaying them all.
class ListChanges {
 public:
  explicit ListChanges(const host::TextCase& textCase);

  /// `item` was added or moved to the top.
  void Added(const std::u16string& item);
  void Removed(const std::u16string& item);
  /// The whole list was replaced: the saved list is this control's alone from now on.
  void Replaced();
  bool WholeListReplaced() const { return replaced_; }
  /// Applies the changes to `list`, in the order they came.
  void ApplyTo(CFifoBuffer& list) const;

 private:
  const host::TextCase& textCase_;
  CFifoBuffer added_;                                      // most recent first
  std::unordered_map<std::u16string, std::u16string> removed_;  // upper-case form -> item
  bool replaced_ = false;
};

}  // namespace zelvane::itemlist
